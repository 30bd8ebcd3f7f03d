"""Writes the program's eight cursors, cr1.cur to cr8.cur.

Usage: /usr/bin/python3 tools/cursors/generate.py OUTPUT_FOLDER [--preview PNG]

1 the cross shown while the light point is placed, 2 to 5 the quill pen
(white or black, pointing up-left or down), 6 and 7 the dragging hand (white
or black), 8 the hourglass shown while the wallpaper is made. --preview also
draws all eight at 4x on a light and a dark background.
"""
import sys
from pathlib import Path

import cur_file
import pictures
import preview_sheet
from cur_file import BLACK, TRANSPARENT, WHITE
from drawing import compose

# name -> (parts, body colour, hot spot)
CURSORS = {
    "cr1": (pictures.light_cross, BLACK, (8, 8)),
    "cr2": (pictures.quill, WHITE, (0, 0)),
    "cr3": (pictures.quill, BLACK, (0, 0)),
    "cr4": (pictures.quill_pointing_down, WHITE, (4, 31)),
    "cr5": (pictures.quill_pointing_down, BLACK, (4, 31)),
    "cr6": (pictures.open_hand, WHITE, (3, 3)),
    "cr7": (pictures.open_hand, BLACK, (3, 3)),
    "cr8": (pictures.hourglass, WHITE, (15, 15)),
}
# The cross points at the empty middle between its bars; every other cursor's
# hot spot lies on the drawing itself.
HOT_SPOT_MAY_BE_CLEAR = {"cr1"}


def render_all():
    rendered = {}
    for name, (parts, body, (x, y)) in CURSORS.items():
        picture = compose(parts(), body)
        assert name in HOT_SPOT_MAY_BE_CLEAR or picture[y, x] != TRANSPARENT, \
            f"{name}: hot spot ({x}, {y}) is not on the drawing"
        rendered[name] = (picture, (x, y))
    return rendered


def main(argv):
    args = argv[1:]
    preview = None
    if "--preview" in args:
        at = args.index("--preview")
        preview = Path(args[at + 1])
        del args[at:at + 2]
    if len(args) != 1:
        sys.exit(f"usage: {argv[0]} OUTPUT_FOLDER [--preview PNG]")
    folder = Path(args[0])
    folder.mkdir(parents=True, exist_ok=True)
    rendered = render_all()
    for name, (picture, (x, y)) in rendered.items():
        (folder / f"{name}.cur").write_bytes(cur_file.encode(picture, x, y))
    if preview:
        preview_sheet.save(rendered, preview)


if __name__ == "__main__":
    main(sys.argv)
