"""The Mascot sheet: 12 columns (pose * 3 + face) by 3 rows (movement frames)
of the figure on the window background at the mascot's place, with the
heart gauge tiles kept in the empty cell."""
import numpy as np

import layout
from gauge import check_gauge_tiles, make_gauge_tiles
from mascot_figure import draw_figure
from raster import Canvas

CELL_W, CELL_H = layout.MASCOT_RECT[2:]
COLUMNS, ROWS = layout.MASCOT_GRID
EDGE_BAND = 2        # the figure keeps this far from the cell's edges, which show the window


def _cell_origin(column, row):
    return column * CELL_W, row * CELL_H


def make_mascot_sheet(base):
    background = layout.crop(base, layout.MASCOT_RECT)
    sheet = np.zeros((CELL_H * ROWS, CELL_W * COLUMNS, 3), np.uint8)
    for column in range(COLUMNS):
        pose, face = divmod(column, 3)
        for row in range(ROWS):
            x, y = _cell_origin(column, row)
            canvas = Canvas.from_array(background)
            if column != layout.EMPTY_POSE_COLUMN:
                draw_figure(canvas, pose, face, row)
            sheet[y:y + CELL_H, x:x + CELL_W] = canvas.array()
    tiles = make_gauge_tiles(base)
    check_gauge_tiles(tiles, base)
    tile_h = layout.GAUGE_RECT[3]
    for index, tile in enumerate(tiles):
        y = layout.GAUGE_SHEET_Y + tile_h * index
        sheet[y:y + tile_h, layout.GAUGE_SHEET_X:layout.GAUGE_SHEET_X + tile.shape[1]] = tile
    return sheet


def check_mascot_sheet(sheet, base):
    assert sheet.shape == (414, 936, 3)
    background = layout.crop(base, layout.MASCOT_RECT)
    border = np.ones((CELL_H, CELL_W), bool)
    border[EDGE_BAND:-EDGE_BAND, EDGE_BAND:-EDGE_BAND] = False
    for column in range(COLUMNS):
        for row in range(ROWS):
            x, y = _cell_origin(column, row)
            cell = sheet[y:y + CELL_H, x:x + CELL_W]
            assert np.array_equal(cell[border], background[border]), \
                f"the figure in column {column} row {row} reaches the cell's edge"
    for row in (0, 2):
        x, y = _cell_origin(layout.EMPTY_POSE_COLUMN, row)
        assert np.array_equal(sheet[y:y + CELL_H, x:x + CELL_W], background), f"empty cell row {row}"
    x, y = layout.GAUGE_SHEET_X, layout.GAUGE_SHEET_Y
    w, h = layout.GAUGE_RECT[2:]
    assert np.array_equal(sheet[y:y + h, x:x + w], layout.crop(base, layout.GAUGE_RECT))
    ex, ey = _cell_origin(layout.EMPTY_POSE_COLUMN, 1)
    assert ex <= x and x + w <= ex + CELL_W and ey <= y and y + 4 * h <= ey + CELL_H
