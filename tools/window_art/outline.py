"""The window's outline: which pixels belong to the window.

The outline is the union of a few simple shapes, tested at pixel centres so
that the mask is exact.  The close jewel stands apart from the body in rows
1 to 18 (above the header and beside it, across a small notch); every other
row is one run, so the outline has 584 + 18 = 602 runs."""
import numpy as np

import layout

# Header tab that carries the two arrow buttons.
TAB = (527, 0, 100, 30, 9)                 # x, y, w, h, corner radius
TAB_FILLET = 6                             # concave rounding where the tab meets the header
# The right-hand body, from behind the card panel to the notch before the close jewel.
BODY = (390, 12, 310, 572)
# The column under the close jewel, joined to the body below the notch.
JEWEL_COLUMN = (690, 19, 47, 565, 12)       # x, y, w, h, radius of its right corners
CLOSE_JEWEL = (719.5, 17.5, 16.5)           # centre x, y, radius


def _grid():
    w, h = layout.WINDOW_SIZE
    ys, xs = np.mgrid[0:h, 0:w]
    return xs + 0.5, ys + 0.5


def _inside_rect(xs, ys, rect):
    x, y, w, h = rect
    return (xs >= x) & (xs < x + w) & (ys >= y) & (ys < y + h)


def _inside_rounded(xs, ys, x, y, w, h, r, corners):
    """Rectangle whose listed corners ('tl', 'tr', 'bl', 'br') are rounded by r."""
    inside = _inside_rect(xs, ys, (x, y, w, h))
    centres = {"tl": (x + r, y + r), "tr": (x + w - r, y + r),
               "bl": (x + r, y + h - r), "br": (x + w - r, y + h - r)}
    for corner in corners:
        cx, cy = centres[corner]
        in_corner = ((xs < cx) if corner[1] == "l" else (xs > cx)) & \
                    ((ys < cy) if corner[0] == "t" else (ys > cy))
        outside_arc = (xs - cx) ** 2 + (ys - cy) ** 2 > r * r
        inside &= ~(in_corner & outside_arc)
    return inside


def _inside_card_panel(xs, ys):
    x, y, w, h = layout.CARD_PANEL
    c = layout.CARD_PANEL_CHAMFER
    u, v = xs - x, ys - y
    inside = (u >= 0) & (u < w) & (v >= 0) & (v < h)
    # Row r of the block (r < c) spans c - r .. w - 1 - c + r, as the wallpaper cuts it.
    for du, dv in ((u, v), (w - u, v), (u, h - v), (w - u, h - v)):
        inside &= du + dv > c
    return inside


def _tab_fillets(xs, ys):
    """Concave corners that flare the tab into the top edge of the body."""
    tx, _, tw, _, _ = TAB
    r = TAB_FILLET
    top = BODY[1]
    fillets = np.zeros(xs.shape, bool)
    for corner_x, centre_x in ((tx - r, tx - r), (tx + tw, tx + tw + r)):
        square = _inside_rect(xs, ys, (corner_x, top - r, r, r))
        fillets |= square & ((xs - centre_x) ** 2 + (ys - (top - r)) ** 2 > r * r)
    return fillets


def window_mask():
    """Boolean array, True inside the window."""
    xs, ys = _grid()
    tx, ty, tw, th, tr = TAB
    jx, jy, jw, jh, jr = JEWEL_COLUMN
    cx, cy, cr = CLOSE_JEWEL
    mask = _inside_card_panel(xs, ys)
    mask |= _inside_rounded(xs, ys, tx, ty, tw, th, tr, ("tl", "tr"))
    mask |= _inside_rect(xs, ys, BODY)
    mask |= _tab_fillets(xs, ys)
    mask |= _inside_rounded(xs, ys, jx, jy, jw, jh, jr, ("tr", "br"))
    mask |= (xs - cx) ** 2 + (ys - cy) ** 2 <= cr * cr
    return mask


def row_runs(mask):
    """Number of horizontal runs of True in each row."""
    padded = np.pad(mask, ((0, 0), (1, 0)))
    return np.count_nonzero(padded[:, 1:] & ~padded[:, :-1], axis=1)


def check_mask(mask):
    runs = row_runs(mask)
    assert mask.shape == (layout.WINDOW_SIZE[1], layout.WINDOW_SIZE[0])
    assert runs.min() >= 1, "a row without any window pixel"
    assert runs.max() <= 2, "a row with more than two runs"
    assert runs.sum() == layout.MASK_RUNS, f"{runs.sum()} runs"
