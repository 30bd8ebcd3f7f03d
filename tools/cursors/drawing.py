"""Drawing cursor pictures from shapes: each part is drawn supersampled, reduced to
1 bit, and laid down with a one-pixel outline in the contrasting colour, so a
white cursor reads on a light background and a black one on a dark background."""
from dataclasses import dataclass

import numpy as np
from PIL import Image, ImageDraw

from cur_file import BLACK, SIZE, TRANSPARENT, WHITE

SUPERSAMPLE = 8
COVERAGE_THRESHOLD = 0.5


class Sketch:
    """A supersampled surface in cursor pixel coordinates: pixel (x, y) covers
    the square from (x, y) to (x + 1, y + 1)."""

    def __init__(self, transform=lambda x, y: (x, y)):
        self.transform = transform
        self.image = Image.new("L", (SIZE * SUPERSAMPLE, SIZE * SUPERSAMPLE), 0)
        self.pen = ImageDraw.Draw(self.image)

    def scaled(self, points):
        return [tuple(c * SUPERSAMPLE for c in self.transform(x, y)) for x, y in points]

    def polygon(self, points):
        self.pen.polygon(self.scaled(points), fill=255)
        return self

    def line(self, points, width):
        self.pen.line(self.scaled(points), fill=255, width=round(width * SUPERSAMPLE), joint="curve")
        return self

    def capsule(self, start, end, radius):
        """A stroke with round ends from start to end."""
        self.line([start, end], 2 * radius)
        for cx, cy in self.scaled([start, end]):
            r = radius * SUPERSAMPLE
            self.pen.ellipse([cx - r, cy - r, cx + r, cy + r], fill=255)
        return self

    def ellipse(self, centre, rx, ry):
        (cx, cy), = self.scaled([centre])
        self.pen.ellipse([cx - rx * SUPERSAMPLE, cy - ry * SUPERSAMPLE,
                          cx + rx * SUPERSAMPLE, cy + ry * SUPERSAMPLE], fill=255)
        return self

    def mask(self):
        """The 1-bit picture: pixels at least half covered."""
        pixels = np.asarray(self.image, dtype=np.float64) / 255.0
        coverage = pixels.reshape(SIZE, SUPERSAMPLE, SIZE, SUPERSAMPLE).mean(axis=(1, 3))
        return coverage >= COVERAGE_THRESHOLD


@dataclass
class Part:
    """A filled shape and the lines drawn inside it in the outline colour."""
    fill: np.ndarray
    detail: np.ndarray = None


def grow(mask):
    """The mask widened by one pixel in all eight directions."""
    padded = np.pad(mask, 1)
    grown = np.zeros_like(mask)
    for dy in (0, 1, 2):
        for dx in (0, 1, 2):
            grown |= padded[dy:dy + SIZE, dx:dx + SIZE]
    return grown


def compose(parts, body):
    """Lays the parts down in order, each over the ones before, in colour body
    (BLACK or WHITE) with an outline and details in the other colour."""
    outline = WHITE if body == BLACK else BLACK
    picture = np.full((SIZE, SIZE), TRANSPARENT)
    for part in parts:
        picture[grow(part.fill) & ~part.fill] = outline
        picture[part.fill] = body
        if part.detail is not None:
            picture[part.detail & part.fill] = outline
    return picture
