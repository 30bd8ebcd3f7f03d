"""Quest (the question mark over an uncollected card in the index) and Star
(the sparkle sprite)."""
import numpy as np

from palette import CREAM, DEEP_NIGHT, GOLD, GOLD_DARK, GOLD_LIGHT, NIGHT, TEAL, mix, unit
from raster import MINCHO, Canvas, blur, rounded_rect, sparkle, text_alpha, vertical_gradient

QUEST_SIZE = (46, 68)


def make_quest():
    """A veiled card: night-blue back in a gold line with a glowing question mark."""
    w, h = QUEST_SIZE
    canvas = Canvas(w, h, DEEP_NIGHT)
    ctx = canvas.ctx
    ctx.set_source(vertical_gradient(ctx, 0, h, [(0, NIGHT), (1, mix(NIGHT, TEAL, 0.8))]))
    ctx.paint()
    ctx.set_source_rgb(*unit(GOLD))
    ctx.set_line_width(1)
    rounded_rect(ctx, 3.5, 3.5, w - 7, h - 7, 3)
    ctx.stroke()
    ctx.set_source_rgba(*unit(GOLD_DARK), 0.8)
    rounded_rect(ctx, 5.5, 5.5, w - 11, h - 11, 2)
    ctx.stroke()
    mark = text_alpha((w, h), "？", MINCHO, 34, (w / 2, h / 2 - 1))
    canvas.blend(blur(mark, 2.5) * 1.4, GOLD, add=True)
    canvas.blend(mark, GOLD_LIGHT)
    for x, y, s in ((11, 12, 2.5), (35, 56, 2.5), (36, 14, 1.6), (10, 55, 1.6)):
        sparkle(canvas, x, y, s, CREAM, 0.8)
    return canvas.array()


def make_star():
    """3x3 white: the program takes a cross and a dot from it."""
    return np.ones((3, 3), bool)
