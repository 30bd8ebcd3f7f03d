"""Window geometry shared by every picture: where the program puts each piece.

Rectangles are (left, top, width, height) in window pixels.
"""
from dataclasses import dataclass

WINDOW_SIZE = (737, 584)

# The left card panel: the card on its rippled water, inside an ornamental
# margin.  The wallpaper maker copies this block with its corners cut off.
CARD_PANEL = (0, 12, 412, 572)
CARD_PANEL_CHAMFER = 17
NAMI_RECT = (32, 44, 348, 508)

MASCOT_RECT = (380, 147, 78, 138)
MASCOT_GRID = (12, 3)            # columns (pose * 3 + face), rows (movement frames)
GAUGE_RECT = (402, 128, 40, 19)
GAUGE_BAR = (2, 1, 32, 5)        # offset inside the gauge
GAUGE_ICON = (17, 4, 23, 15)     # offset inside the gauge
GAUGE_SHEET_X = 786
GAUGE_SHEET_Y = 144
EMPTY_POSE_COLUMN = 10

UPPER_PANEL = (458, 63, 238, 142)
LOWER_PANEL = (458, 377, 238, 147)
TITLE_PANEL = (435, 289, 284, 42)     # its frame stays below the mascot's cell
PLAIN_PANEL_RECTS = (
    UPPER_PANEL,
    (458, 410, 238, 71),          # copied back over the upper panel on leaving the index
    (445, 290, 50, 12),           # card number
    (439, 303, 276, 24),          # card title
    (463, 378, 228, 12),          # creator name
    (463, 398, 228, 121),         # explanation
    (463, 82, 228, 121),          # wish box
)


@dataclass(frozen=True)
class Control:
    name: str
    rect: tuple
    src: tuple
    states: int
    resting_state: int


CONTROLS = (
    Control("wish_plate", (552, 60, 51, 19), (310, 113), 2, 0),
    Control("explanation_plate", (559, 374, 36, 19), (310, 132), 2, 0),
    Control("close", (703, 1, 33, 33), (118, 0), 3, 1),
    Control("minimize", (674, 11, 23, 23), (118, 33), 3, 1),
    Control("prev", (535, 2, 39, 37), (0, 0), 3, 1),
    Control("next", (580, 2, 39, 37), (0, 37), 3, 1),
    Control("fortune", (471, 233, 103, 39), (0, 74), 3, 0),
    Control("random", (580, 233, 103, 39), (0, 113), 3, 1),
    Control("creator", (457, 549, 150, 35), (0, 152), 3, 1),
    Control("homepage", (613, 549, 106, 35), (0, 187), 3, 1),
    Control("transform", (686, 232, 47, 40), (218, 0), 4, 0),
)
CONTROL = {c.name: c for c in CONTROLS}

BUTTON_SHEET_SIZE = (450, 222)
# Index corner marks: style S has a 3x11 upright piece at x 118 + 16 S and
# 9x3 flat pieces read from x 122 + 16 S and 124 + 16 S, all at y 58.
CORNER_MARK_X = 118
CORNER_MARK_Y = 58
CORNER_MARK_STYLES = 2
CORNER_MARK_STEP = 16

MASK_RUNS = 602


def crop(image, rect):
    x, y, w, h = rect
    return image[y:y + h, x:x + w]
