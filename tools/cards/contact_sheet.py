#!/usr/bin/python3
"""Lays generated card pictures out on one PNG, for looking them over.

Usage: /usr/bin/python3 tools/cards/contact_sheet.py RESOURCE_FOLDER OUTPUT.png [SCALE_PERCENT] [NAME ...]

Without names it shows every card face, awakened face and the back; with names
(C007, HC007, Index00 ...) only those.
"""

import sys
from pathlib import Path

from PIL import Image, ImageDraw

COLUMNS = 8
GAP = 6
BACKGROUND = (40, 44, 60)


def picture_names(folder: Path) -> list[str]:
    faces = sorted(p.stem for p in folder.glob("C*.jpg"))
    awakened = sorted(p.stem for p in folder.glob("HC*.jpg"))
    return faces + awakened


def contact_sheet(folder: Path, names: list[str], scale: float) -> Image.Image:
    pictures = [Image.open(folder / f"{name}.jpg").convert("RGB") for name in names]
    cell_w = max(round(p.width * scale) for p in pictures)
    cell_h = max(round(p.height * scale) for p in pictures) + 14
    columns = min(COLUMNS, len(pictures))
    rows = (len(pictures) + columns - 1) // columns
    sheet = Image.new("RGB", (columns * (cell_w + GAP) + GAP, rows * (cell_h + GAP) + GAP), BACKGROUND)
    draw = ImageDraw.Draw(sheet)
    for i, (name, picture) in enumerate(zip(names, pictures)):
        x = GAP + (i % columns) * (cell_w + GAP)
        y = GAP + (i // columns) * (cell_h + GAP)
        size = (round(picture.width * scale), round(picture.height * scale))
        sheet.paste(picture.resize(size, Image.LANCZOS) if scale != 1 else picture, (x, y + 14))
        draw.text((x, y), name, fill=(230, 230, 230))
    return sheet


def main(argv: list[str]) -> int:
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    folder, output = Path(argv[1]), Path(argv[2])
    scale = float(argv[3]) / 100 if len(argv) > 3 else 0.5
    names = argv[4:] or picture_names(folder)
    contact_sheet(folder, names, scale).save(output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
