"""The heart gauge tiles: a glass tube that fills with rose light, and a
heart that grows in three sizes.

The program draws the bar and the icon separately and the icon area
overlaps the bar's lowest two rows, so those rows look the same whether
the bar is full or empty, and the hearts keep clear of them."""
import math

import numpy as np

import layout
from button_looks import heart_shape
from palette import CREAM, GOLD, GOLD_DARK, NIGHT, ROSE, ROSE_DARK, ROSE_LIGHT, mix, unit
from raster import Canvas, rounded_rect, sparkle

TILE_W, TILE_H = layout.GAUGE_RECT[2:]
BX, BY, BW, BH = layout.GAUGE_BAR
FILL_ROWS = 3            # rows of the bar that light up; the two below stay as they are
TUBE_FLOOR = mix(GOLD_DARK, NIGHT, 0.35)
EMPTY_ROWS = np.array([mix(ROSE_DARK, NIGHT, 0.35), mix(ROSE_DARK, NIGHT, 0.55),
                       mix(ROSE_DARK, NIGHT, 0.7)], np.float32)
# Heart per icon: centre inside the icon area and half width.
HEARTS = {1: (11.5, 8.0, 4.6), 2: (11.5, 8.0, 5.8), 3: (11.5, 8.3, 7.6)}


def _plate(tile):
    """Dark glass plate with a gold edge that holds the tube and the heart."""
    canvas = Canvas.from_array(tile)
    ctx = canvas.ctx
    ctx.set_source_rgba(*unit(GOLD_DARK), 0.95)
    rounded_rect(ctx, 0, 0, TILE_W - 3, 8, 3.5)
    ctx.fill()
    ctx.set_source_rgba(*unit(GOLD_DARK), 0.9)
    ctx.arc(28.5, 11.5, 7.5, 0, 2 * math.pi)
    ctx.fill()
    ctx.set_source_rgba(*unit(mix(NIGHT, (0, 0, 0), 0.3)), 0.92)
    ctx.arc(28.5, 11.5, 6.5, 0, 2 * math.pi)
    ctx.fill()
    tile[:] = canvas.array()


def _tube(tile, full):
    """The bar: a gold-edged tube, its upper rows lit when full."""
    tile[BY - 1:BY + BH + 1, BX - 1:BX + BW + 1] = GOLD_DARK
    tile[BY:BY + FILL_ROWS, BX:BX + BW] = EMPTY_ROWS[:, None, :]
    if full:
        rows = np.array([ROSE_LIGHT, ROSE, mix(ROSE, ROSE_DARK, 0.5)], np.float32)
        tile[BY:BY + FILL_ROWS, BX:BX + BW] = rows[:, None, :]
    tile[BY + FILL_ROWS:BY + BH, BX:BX + BW] = TUBE_FLOOR
    tile[BY + BH, BX:BX + BW] = GOLD


def _icon(tile, icon):
    ix, iy, iw, ih = layout.GAUGE_ICON
    area = Canvas.from_array(tile[iy:iy + ih, ix:ix + iw])
    cx, cy, size = HEARTS[icon]
    colours = {1: ((250, 214, 222), mix(ROSE_LIGHT, ROSE, 0.4)),
               2: (ROSE_LIGHT, ROSE), 3: (ROSE_LIGHT, mix(ROSE, ROSE_DARK, 0.4))}[icon]
    heart_shape(area, cx, cy, size, *colours, rim=GOLD, glow=ROSE if icon == 3 else None)
    if icon == 3:
        sparkle(area, 20.5, 3.5, 2.5, CREAM, 0.9)
    piece = area.array()
    # The two rows shared with the bar keep the bar's look (see the module note).
    keep = BY + BH - iy
    piece[:keep, :BX + BW - ix] = tile[iy:iy + keep, ix:BX + BW]
    tile[iy:iy + ih, ix:ix + iw] = piece


def make_gauge_tiles(base):
    """Tiles 0 to 3 (40x19 RGB arrays) on the window background at the gauge's place."""
    background = layout.crop(base, layout.GAUGE_RECT).copy()
    tiles = [background]
    for icon in (1, 2, 3):
        tile = background.copy()
        _plate(tile)
        _tube(tile, full=icon >= 2)
        _icon(tile, icon)
        tiles.append(tile)
    return tiles


def check_gauge_tiles(tiles, base):
    assert np.array_equal(tiles[0], layout.crop(base, layout.GAUGE_RECT))
    floor = slice(BY + FILL_ROWS, BY + BH)
    assert np.array_equal(tiles[1][floor, BX:BX + BW], tiles[2][floor, BX:BX + BW]), \
        "the bar's lowest rows must not depend on the fill"
    for tile in tiles:
        assert tile.shape == (TILE_H, TILE_W, 3)
