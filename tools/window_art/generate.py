"""Builds the window's pictures and writes them into the folder given.

    /usr/bin/python3 tools/window_art/generate.py resources

Everything is drawn from fixed seeds, so every run writes the same bytes."""
import os
import sys

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import layout  # noqa: E402
from backdrop import make_backdrop  # noqa: E402
from button_sheet import (check_button_sheet, check_corner_marks, lay_controls,  # noqa: E402
                          make_button_sheet)
from frame_strips import PALETTE, check_strips, make_waku_tate, make_waku_yoko  # noqa: E402
from mascot_sheet import check_mascot_sheet, make_mascot_sheet  # noqa: E402
from nami import make_nami  # noqa: E402
from outline import check_mask  # noqa: E402
from palette import MINT  # noqa: E402
from small_pictures import make_quest, make_star  # noqa: E402
from writers import write_jpeg, write_mask_bmp, write_palette_bmp  # noqa: E402


def check_base(base, mask):
    assert base.shape == (layout.WINDOW_SIZE[1], layout.WINDOW_SIZE[0], 3)
    plates = np.zeros(mask.shape, bool)
    for control in layout.CONTROLS:
        layout.crop(plates, control.rect)[:] = True
    for rect in layout.PLAIN_PANEL_RECTS:
        plain = (layout.crop(base, rect) == MINT).all(axis=2)
        assert (plain | layout.crop(plates, rect)).all(), f"panel {rect} not plain"
    assert np.array_equal(layout.crop(base, layout.NAMI_RECT), make_nami())
    for control in layout.CONTROLS:
        assert layout.crop(mask, control.rect).any(), control.name
    x, y, w, h = layout.CARD_PANEL
    assert mask[y:y + h, x + layout.CARD_PANEL_CHAMFER:x + w - layout.CARD_PANEL_CHAMFER].all()


def build():
    backdrop, mask = make_backdrop()
    check_mask(mask)
    buttons, resting = make_button_sheet(backdrop)
    base = lay_controls(backdrop, resting)
    check_button_sheet(buttons, base, backdrop)
    check_base(base, mask)
    mascot = make_mascot_sheet(base)
    check_mascot_sheet(mascot, base)
    tate, yoko = make_waku_tate(), make_waku_yoko()
    check_strips(tate, yoko)
    return {"base": base, "mask": mask, "buttons": buttons, "mascot": mascot,
            "tate": tate, "yoko": yoko, "nami": make_nami(), "quest": make_quest(),
            "star": make_star()}


def write_all(folder, pictures):
    os.makedirs(folder, exist_ok=True)
    path = lambda name: os.path.join(folder, name)  # noqa: E731
    write_jpeg(path("Base.jpg"), pictures["base"])
    write_mask_bmp(path("BaseMsk.bmp"), pictures["mask"])
    write_jpeg(path("Mascot.jpg"), pictures["mascot"])
    check_corner_marks(write_jpeg(path("Button.jpg"), pictures["buttons"]))
    write_palette_bmp(path("WakuTate.bmp"), pictures["tate"], PALETTE, 4)
    write_palette_bmp(path("WakuYoko.bmp"), pictures["yoko"], PALETTE, 4)
    write_jpeg(path("Nami.jpg"), pictures["nami"])
    write_jpeg(path("Quest.jpg"), pictures["quest"])
    write_mask_bmp(path("Star.bmp"), pictures["star"])


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: generate.py OUTPUT_FOLDER")
    write_all(argv[1], build())


if __name__ == "__main__":
    main(sys.argv)
