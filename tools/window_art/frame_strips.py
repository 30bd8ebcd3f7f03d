"""WakuTate and WakuYoko: the gold line frame that the program builds around
the card from thin strips.  The pattern is the same all along each strip, so
the frame looks right at every width of the turning card."""
import numpy as np

from palette import GOLD, GOLD_DARK, GOLD_LIGHT, OUTSIDE

PALETTE = (OUTSIDE, GOLD_DARK, GOLD, GOLD_LIGHT)
# Palette index per band, from the outside of the frame to the card.
BANDS = (1, 2, 3, 1)
TATE_SIZE = (8, 504)
YOKO_SIZE = (348, 8)
CORNER_DOT = 2
CORNER_DOTS = ((1, 1), (346, 1), (1, 6), (346, 6))


def make_waku_tate():
    """8x504 palette indices: columns 0-3 the left edge, 4-7 the right (mirrored)."""
    w, h = TATE_SIZE
    row = np.array(BANDS + BANDS[::-1], np.uint8)
    return np.repeat(row[None, :], h, axis=0)


def make_waku_yoko():
    """348x8 palette indices: rows 0-3 the top edge, 4-7 the bottom, with corner dots."""
    w, h = YOKO_SIZE
    column = np.array(BANDS + BANDS[::-1], np.uint8)
    strip = np.repeat(column[:, None], w, axis=1)
    for x, y in CORNER_DOTS:
        strip[y, x] = CORNER_DOT
    return strip


def check_strips(tate, yoko):
    assert tate.shape == (504, 8) and yoko.shape == (8, 348)
    assert np.array_equal(tate[:, :4], tate[:, :3:-1]), "left and right edges mirror"
    assert np.array_equal(yoko[:, 2:174], yoko[:, 174:346]), "the two halves match"
