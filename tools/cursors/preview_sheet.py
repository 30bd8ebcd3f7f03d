"""A 4x preview of the cursors on a light and on a dark background, with each
hot spot marked in red, for checking the drawings by eye."""
import numpy as np
from PIL import Image

from cur_file import BLACK, SIZE, WHITE

ZOOM = 4
GAP = 8
BACKGROUNDS = ((236, 230, 214), (27, 31, 74))
HOT_SPOT_MARK = (230, 40, 40)


def tile(picture, hot_spot, background):
    rgb = np.empty((SIZE, SIZE, 3), dtype=np.uint8)
    rgb[:] = background
    rgb[picture == BLACK] = (0, 0, 0)
    rgb[picture == WHITE] = (255, 255, 255)
    x, y = hot_spot
    big = rgb.repeat(ZOOM, axis=0).repeat(ZOOM, axis=1)
    big[y * ZOOM + 1:(y + 1) * ZOOM - 1, x * ZOOM + 1:(x + 1) * ZOOM - 1] = HOT_SPOT_MARK
    return big


def save(rendered, path):
    cell = SIZE * ZOOM + GAP
    sheet = Image.new("RGB", (cell * len(rendered) + GAP, cell * len(BACKGROUNDS) + GAP),
                      (128, 128, 128))
    for row, background in enumerate(BACKGROUNDS):
        for column, (picture, hot_spot) in enumerate(rendered.values()):
            sheet.paste(Image.fromarray(tile(picture, hot_spot, background)),
                        (GAP + column * cell, GAP + row * cell))
    sheet.save(path)
