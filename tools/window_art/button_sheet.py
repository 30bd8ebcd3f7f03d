"""The Button sheet: every look of every painted control, each cell drawn on
the window background of its control's place, plus the index corner marks."""
import numpy as np

import layout
import button_looks as looks
from palette import DEEP_NIGHT, GOLD_LIGHT, mix
from raster import Canvas

CAPTION_SIZE = 16


def _paint(control, state, canvas):
    name = control.name
    if name == "wish_plate":
        looks.caption_plate(canvas, state == 0, "願い事", 12)
    elif name == "explanation_plate":
        looks.caption_plate(canvas, state == 0, "解説", 12)
    elif name in ("close", "minimize"):
        looks.jewel_control(canvas, state, name)
    elif name in ("prev", "next"):
        looks.arrow_button(canvas, state, -1 if name == "prev" else 1)
    elif name == "transform":
        if state != 0:
            looks.transform_heart(canvas, state)
    else:
        caption = {"fortune": "占い実行", "random": "ランダム",
                   "creator": "クリエイター", "homepage": "HP"}[name]
        looks.pill_button(canvas, state, caption, CAPTION_SIZE)


def control_cell(control, state, backdrop):
    """One look of a control as an RGB array of the control's size."""
    canvas = Canvas.from_array(layout.crop(backdrop, control.rect))
    _paint(control, state, canvas)
    return canvas.array()


def _corner_marks(sheet):
    """Solid L-pieces for the index cursor; the colour runs a little past
    each piece so that the pieces stay clean after compression."""
    colours = (GOLD_LIGHT, (255, 236, 246))
    y = layout.CORNER_MARK_Y
    for style, colour in enumerate(colours):
        x = layout.CORNER_MARK_X + layout.CORNER_MARK_STEP * style
        sheet[y - 2:y + 5, x - (1 if style == 0 else 0):x + 16] = colour
        sheet[y:y + 13, x:x + 5] = colour
        sheet[y + 11:y + 13, x + 3:x + 5] = mix(colour, DEEP_NIGHT, 0.5)


def corner_mark_pieces():
    """(x, y, w, h) of every piece the index cursor copies, for both styles."""
    y = layout.CORNER_MARK_Y
    for style in range(layout.CORNER_MARK_STYLES):
        x = layout.CORNER_MARK_X + layout.CORNER_MARK_STEP * style
        yield (x, y, 3, 11)
        yield (x + 4, y, 9, 3)
        yield (x + 6, y, 9, 3)


def check_corner_marks(decoded):
    """The marks must stay bright after compression: they are drawn over thumbnails."""
    for piece in corner_mark_pieces():
        assert layout.crop(decoded, piece).min() >= 150, f"corner mark {piece} lost brightness"


def make_button_sheet(backdrop):
    """Returns (sheet RGB array, {control name: resting cell})."""
    width, height = layout.BUTTON_SHEET_SIZE
    sheet = np.zeros((height, width, 3), np.uint8)
    sheet[:] = DEEP_NIGHT
    resting = {}
    for control in layout.CONTROLS:
        x0, y0 = control.src
        w, h = control.rect[2:]
        for state in range(control.states):
            cell = control_cell(control, state, backdrop)
            sheet[y0:y0 + h, x0 + w * state:x0 + w * (state + 1)] = cell
            if state == control.resting_state:
                resting[control.name] = cell
    _corner_marks(sheet)
    return sheet, resting


def lay_controls(backdrop, resting):
    """The window picture: backdrop with every control in its resting look."""
    base = backdrop.copy()
    for control in layout.CONTROLS:
        x, y, w, h = control.rect
        base[y:y + h, x:x + w] = resting[control.name]
    return base


def check_button_sheet(sheet, base, backdrop):
    transform = layout.CONTROL["transform"]
    x0, y0 = transform.src
    w, h = transform.rect[2:]
    assert np.array_equal(sheet[y0:y0 + h, x0:x0 + w], layout.crop(base, transform.rect)), \
        "transform state 0 must be the window background"
    for control in layout.CONTROLS:
        x0, y0 = control.src
        w, h = control.rect[2:]
        cell = sheet[y0:y0 + h, x0 + w * control.resting_state:x0 + w * (control.resting_state + 1)]
        assert np.array_equal(cell, layout.crop(base, control.rect)), control.name
    assert sheet.shape == (layout.BUTTON_SHEET_SIZE[1], layout.BUTTON_SHEET_SIZE[0], 3)
