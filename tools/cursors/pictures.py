"""The shapes of the cursors: the light-point cross, the quill pen, the dragging
hand and the hourglass, as parts for drawing.compose."""
import math

from drawing import Part, Sketch


def along_diagonal(u, v):
    """A point u pixels along the top-left to bottom-right diagonal, v across it."""
    return ((u + v) / math.sqrt(2.0), (u - v) / math.sqrt(2.0))


def light_cross():
    """Four short bars round an empty centre at pixel (8, 8)."""
    bars = Sketch()
    for x0, y0, x1, y1 in ((8, 2, 9, 6), (8, 11, 9, 15), (2, 8, 6, 9), (11, 8, 15, 9)):
        bars.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])
    return [Part(bars.mask())]


def vane_outline(start, end, left_width, right_width):
    """The outline of a feather's vanes between distances start and end along the
    diagonal: widest past the middle, tapering to the tip."""
    steps = 24
    left, right = [], []
    for i in range(steps + 1):
        t = i / steps
        u = start + (end - start) * t
        swell = math.sin(math.pi * t ** 0.8) ** 0.7
        left.append(along_diagonal(u, left_width * swell))
        right.append(along_diagonal(u, -right_width * swell))
    return left + right[::-1]


def quill(transform=lambda x, y: (x, y)):
    """A quill pen with its nib at pixel (0, 0) and the feather towards the
    bottom right; transform moves the drawing (for the pen pointing down)."""
    nib = Sketch(transform).polygon([along_diagonal(-1.2, 0), along_diagonal(10, 2.0),
                                     along_diagonal(10, -2.0)])
    nib_slit = Sketch(transform).line([along_diagonal(3.0, 0), along_diagonal(8.5, 0)], 0.9)
    feather = Sketch(transform).polygon(vane_outline(10, 35, 6.5, 4.0))
    feather.line([along_diagonal(30, 0.4), along_diagonal(36.5, 0.4)], 1.4)
    shaft = Sketch(transform).line([along_diagonal(10, 0.4), along_diagonal(34, 0.4)], 1.0)
    for u, v in ((16, 5.0), (22, 6.0), (28, 5.0), (19, -3.6), (26, -3.6)):
        shaft.line([along_diagonal(u + 3.5, v * 0.2), along_diagonal(u, v)], 0.9)
    return [Part(nib.mask(), nib_slit.mask()), Part(feather.mask(), shaft.mask())]


def quill_pointing_down():
    """The quill turned upside down and moved right, so its nib is pixel (4, 31)."""
    return quill(lambda x, y: (x + 4.0, 32.0 - y))


def open_hand():
    """An open hand, fingers up and leaning left, reaching with the index
    finger, whose tip covers pixel (3, 3)."""
    angle = math.radians(-15)
    fingers = ((-1.7, -4.5), (2.2, -4.2), (6.0, -2.6), (9.6, 0.8))   # (x, tip y)
    index_tip_at = (4.3, 4.4)

    def rotate(x, y):
        return (x * math.cos(angle) - y * math.sin(angle), x * math.sin(angle) + y * math.cos(angle))

    tip_x, tip_y = rotate(*fingers[0])

    def place(x, y):
        rx, ry = rotate(x, y)
        return (rx - tip_x + index_tip_at[0], ry - tip_y + index_tip_at[1])

    palm = Sketch(place).ellipse((4.0, 12.5), 7.0, 7.0)
    palm.polygon([(-3.2, 8.0), (11.2, 8.0), (10.0, 17.0), (-2.0, 17.0)])
    thumb = Sketch(place).capsule((10.0, 14.0), (15.0, 8.5), 1.8)
    return [Part(palm.mask()), Part(thumb.mask())] + [
        Part(Sketch(place).capsule((x, 8.0), (x, tip), 1.55).mask()) for x, tip in fingers]


def hourglass():
    """An hourglass centred on pixel (15, 15), sand settling in its lower bulb."""
    centre = 15.5
    caps = Sketch()
    for top in (3.0, 25.0):
        caps.polygon([(7.0, top), (24.0, top), (24.0, top + 3.0), (7.0, top + 3.0)])
    glass = Sketch().polygon([(9.0, 6.0), (22.0, 6.0), (centre + 1.2, centre),
                              (22.0, 25.0), (9.0, 25.0), (centre - 1.2, centre)])
    sand = Sketch().polygon([(11.0, 24.0), (20.0, 24.0), (centre, 19.5)])
    sand.polygon([(12.5, 9.0), (18.5, 9.0), (centre, 13.0)])
    sand.line([(centre, 13.0), (centre, 20.0)], 1.0)
    return [Part(glass.mask(), sand.mask()), Part(caps.mask())]
