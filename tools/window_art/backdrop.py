"""The window picture without its buttons: frame, card panel, text panels,
starlight.  Buttons are laid on later from their own cells."""
import math

import numpy as np

import layout
from garden import constellation, crescent, vine
from nami import make_nami
from outline import window_mask
from palette import (CREAM, DEEP_NIGHT, GOLD, GOLD_DARK, GOLD_LIGHT, MINT, MINT_GLOW,
                     NIGHT, OUTSIDE, TEAL, mix, unit)
from raster import (MINCHO, Canvas, bevel_light, blur, inner_distance, rounded_rect,
                    shape_alpha, sparkle, star_path, text_alpha, vertical_gradient)


def _rim(canvas, mask):
    """Dark edge pixel, a two-pixel gold line and raised shading along the inside of mask."""
    distance = inner_distance(mask, 8)
    light = bevel_light(mask, 2.5)
    body = canvas.array().astype(np.float32)
    edge = distance == 1
    band = (distance == 2) | (distance == 3)
    gold_colour = np.array(GOLD, np.float32)[None, None] * (0.78 + 0.35 * light[..., None])
    body = np.where(band[..., None], gold_colour, body)
    body = np.where(edge[..., None], np.array(GOLD_DARK, np.float32) * 0.6, body)
    inner = (distance > 3) & (distance <= 7)
    body += (inner * light * 40.0)[..., None]
    canvas.set_array(np.clip(body, 0, 255))


def _body(canvas, mask):
    """The night-blue body of the window with a teal glow low on the right."""
    w, h = layout.WINDOW_SIZE
    ctx = canvas.ctx
    ctx.set_source(vertical_gradient(ctx, 0, h, [(0.0, mix(NIGHT, DEEP_NIGHT, 0.3)),
                                                (0.55, NIGHT), (1.0, mix(NIGHT, TEAL, 0.7))]))
    ctx.paint()
    ys, xs = np.mgrid[0:h, 0:w].astype(np.float32)
    glow = np.exp(-(((xs - 600) / 220) ** 2 + ((ys - 420) / 260) ** 2))
    canvas.blend(glow * 0.35, TEAL, add=True)
    _starlight(canvas, mask, count=420, seed=5)


def _starlight(canvas, mask, count, seed):
    """Faint stars strewn over the frame."""
    rng = np.random.default_rng(seed)
    h, w = mask.shape
    stars = np.zeros((h, w), np.float32)
    xs = rng.integers(0, w, count)
    ys = rng.integers(0, h, count)
    stars[ys, xs] = rng.random(count) ** 2.5 * 0.9 + 0.1
    # No stars where the mascot's cells are laid: sharp dots there would show
    # as compression noise around the cell's edges.
    x, y, cw, ch = layout.MASCOT_RECT
    stars[y - 20:y + ch, x - 2:x + cw + 2] = 0
    halo = blur(stars, 1.0) * 2.5
    canvas.blend(np.maximum(stars, halo) * mask * 0.8, mix(CREAM, (200, 220, 255), 0.4), add=True)


def _card_panel_path(ctx, inset):
    x, y, w, h = layout.CARD_PANEL
    c = layout.CARD_PANEL_CHAMFER + inset * (math.sqrt(2) - 1)
    x0, y0, x1, y1 = x + inset, y + inset, x + w - inset, y + h - inset
    ctx.move_to(x0 + c, y0)
    ctx.line_to(x1 - c, y0)
    ctx.line_to(x1, y0 + c)
    ctx.line_to(x1, y1 - c)
    ctx.line_to(x1 - c, y1)
    ctx.line_to(x0 + c, y1)
    ctx.line_to(x0, y1 - c)
    ctx.line_to(x0, y0 + c)
    ctx.close_path()


def _card_panel(canvas):
    """The left block: a dark plate with gold line work around the water."""
    ctx = canvas.ctx
    w, h = layout.WINDOW_SIZE
    # Shadow of the plate on the body to its right.
    shadow = shape_alpha(w, h, lambda c: (_card_panel_path(c, 0), c.fill()))
    canvas.blend(np.roll(blur(shadow, 4.0), (3, 4), axis=(0, 1)) * 0.6 * (1 - shadow), (0, 0, 0))
    px, py, pw, ph = layout.CARD_PANEL
    ctx.set_source(vertical_gradient(ctx, py, py + ph, [(0.0, mix(DEEP_NIGHT, NIGHT, 0.5)),
                                                      (1.0, mix(NIGHT, TEAL, 0.45))]))
    _card_panel_path(ctx, 0)
    ctx.fill()
    panel = shape_alpha(w, h, lambda c: (_card_panel_path(c, 0), c.fill()), antialias=False) > 0.5
    _starlight(canvas, panel, count=160, seed=9)
    _rim(canvas, panel)
    for inset, width, alpha in ((9, 1.0, 0.9), (12, 0.6, 0.55)):
        ctx.set_source_rgba(*unit(GOLD), alpha)
        ctx.set_line_width(width)
        _card_panel_path(ctx, inset + 0.5)
        ctx.stroke()
    _card_ornaments(canvas)
    canvas.set_array(make_nami(), *layout.NAMI_RECT[:2])


def _gold_rule(ctx, cx, y, start, end, stars):
    """A thin gold line on both sides of cx, from start to end pixels out,
    with (distance, size, points) stars along it."""
    ctx.set_source_rgba(*unit(GOLD), 0.8)
    ctx.set_line_width(0.8)
    for side in (-1, 1):
        ctx.move_to(cx + side * start, y)
        ctx.line_to(cx + side * end, y)
        ctx.stroke()
        for distance, size, points in stars:
            star_path(ctx, cx + side * distance, y, size, size * 0.4, points=points,
                      turn=0 if points == 4 else -math.pi / 2)
            ctx.fill()


def _card_ornaments(canvas):
    """Name plate, moon and corner stars in the card panel's margin."""
    ctx = canvas.ctx
    px, py, pw, ph = layout.CARD_PANEL
    cx = px + pw / 2
    title = text_alpha((canvas.width, canvas.height), "L U N A V O X", MINCHO, 15, (cx, py + 17))
    canvas.blend(blur(title, 2.0) * 0.8, GOLD, add=True)
    canvas.blend(title, GOLD_LIGHT)
    _gold_rule(ctx, cx, py + 17.5, 72, 150, ((158, 4.0, 5),))
    # Crescent moon at the foot of the panel.
    my = py + ph - 16
    crescent(canvas, cx, my, 8.0)
    _gold_rule(ctx, cx, my + 0.5, 18, 150, ((40, 3.0, 4), (80, 4.2, 4), (120, 3.0, 4)))
    for sx, sy in ((px + 16, py + 16), (px + pw - 16, py + 16),
                   (px + 16, py + ph - 16), (px + pw - 16, py + ph - 16)):
        sparkle(canvas, sx, sy, 6.0, GOLD_LIGHT, 0.9)


def _lit_glass(canvas, rect, radius=4):
    """A mint panel that glows like lit glass, in a gold frame; its inside stays plain."""
    x, y, w, h = rect
    ctx = canvas.ctx
    canvas.glow(lambda c: (rounded_rect(c, x - 3, y - 3, w + 6, h + 6, radius + 3), c.fill()),
                MINT_GLOW, 6.0, 0.45)
    ctx.set_source_rgb(*unit(GOLD_DARK))
    rounded_rect(ctx, x - 4, y - 4, w + 8, h + 8, radius + 4)
    ctx.fill()
    ctx.set_source(vertical_gradient(ctx, y - 3, y + h + 3, [(0.0, GOLD_LIGHT), (0.5, GOLD),
                                                             (1.0, GOLD_DARK)]))
    rounded_rect(ctx, x - 3, y - 3, w + 6, h + 6, radius + 3)
    ctx.fill()
    ctx.set_source_rgb(*unit(mix(MINT, TEAL, 0.45)))
    rounded_rect(ctx, x - 1, y - 1, w + 2, h + 2, radius + 1)
    ctx.fill()
    # Glints on the frame; the plain inside is filled after them.
    sparkle(canvas, x - 2.5, y - 2.5, 5.0, CREAM, 0.8)
    sparkle(canvas, x + w + 2.5, y + h + 2.5, 3.5, GOLD_LIGHT, 0.6)
    ctx.set_source_rgb(*unit(MINT))
    ctx.rectangle(x, y, w, h)
    ctx.fill()


def _mascot_stage(canvas):
    """A faint moon halo where the mascot hovers."""
    x, y, w, h = layout.MASCOT_RECT
    ys, xs = np.mgrid[0:canvas.height, 0:canvas.width].astype(np.float32)
    halo = np.exp(-(((xs - (x + w / 2)) / 34) ** 2 + ((ys - (y + h * 0.55)) / 52) ** 2))
    canvas.blend(halo * 0.22, mix(TEAL, CREAM, 0.4), add=True)


def _header_line(canvas):
    """Gold line that sets the header with the arrow tab apart from the body."""
    ctx = canvas.ctx
    ctx.set_source_rgba(*unit(GOLD), 0.7)
    ctx.set_line_width(1)
    ctx.move_to(415, 48.5)
    ctx.line_to(727, 48.5)
    ctx.stroke()
    for x in (430, 712):
        star_path(ctx, x, 48.5, 3.5, 1.4, points=4, turn=0)
        ctx.fill()


def _garden(canvas):
    """Vines with moonflowers climbing beside the lower panel, a crescent moon
    and a constellation in the header."""
    vine(canvas, ((436, 548), (418, 480), (452, 420), (426, 340)),
         leaves=(0.08, 0.2, 0.33, 0.46, 0.6, 0.74, 0.88), flowers=((0.28, 5.0), (0.67, 6.0)))
    vine(canvas, ((716, 548), (734, 470), (700, 420), (724, 338)),
         leaves=(0.1, 0.24, 0.38, 0.52, 0.66, 0.8, 0.94), flowers=((0.45, 5.5), (0.97, 4.5)))
    crescent(canvas, 651, 30, 9.0)
    constellation(canvas, ((428, 28, 2.0), (451, 22, 3.0), (474, 33, 2.0), (497, 25, 2.6),
                           (516, 36, 1.8)))


def make_backdrop():
    """Returns (picture without buttons as RGB array, window mask)."""
    mask = window_mask()
    w, h = layout.WINDOW_SIZE
    canvas = Canvas(w, h, OUTSIDE)
    _body(canvas, mask)
    _rim(canvas, mask)
    _header_line(canvas)
    _mascot_stage(canvas)
    _garden(canvas)
    _card_panel(canvas)
    for rect in (layout.UPPER_PANEL, layout.TITLE_PANEL, layout.LOWER_PANEL):
        _lit_glass(canvas, rect)
    picture = canvas.array()
    picture[~mask] = OUTSIDE
    return picture, mask
