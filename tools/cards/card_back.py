"""The back of every card: a moon medallion in gold on night blue, symmetric about both
axes so that the card looks the same while it narrows and opens during the turn."""

import math

import cairo
import numpy as np

from drawing import fill_outside_field, star_path, stroke_frame_lines
from layout import CARD_HEIGHT, CARD_WIDTH, FIELD
from palette import CREAM, GOLD, INDIGO, NIGHT, STARLIGHT, TEAL, cairo_rgb, mix
from raster import new_card_surface, rgb_to_surface, surface_to_rgb

CENTRE = (CARD_WIDTH / 2, CARD_HEIGHT / 2)


def paint_back() -> cairo.ImageSurface:
    surface = new_card_surface()
    ctx = cairo.Context(surface)
    _field(ctx)
    _lattice(ctx)
    _medallion(ctx)
    _frame(ctx)
    _make_symmetric(surface)
    return surface


def _set(ctx, colour, alpha=1.0):
    ctx.set_source_rgba(*cairo_rgb(colour), alpha)


def _field(ctx):
    cx, cy = CENTRE
    glow = cairo.RadialGradient(cx, cy, 10, cx, cy, 300)
    glow.add_color_stop_rgb(0, *cairo_rgb(mix(TEAL, INDIGO, 0.2)))
    glow.add_color_stop_rgb(0.6, *cairo_rgb(INDIGO))
    glow.add_color_stop_rgb(1, *cairo_rgb(NIGHT))
    ctx.set_source(glow)
    ctx.paint()


def _lattice(ctx):
    """A diamond lattice of fine gold lines with a small star at every crossing."""
    x0, y0, w, h = FIELD
    ctx.save()
    ctx.rectangle(*FIELD)
    ctx.clip()
    _set(ctx, GOLD, 0.22)
    ctx.set_line_width(0.8)
    step = 34
    cx, cy = CENTRE
    for k in range(-20, 21):
        ctx.move_to(cx + k * step - 600, cy - 600 * 1.5)
        ctx.line_to(cx + k * step + 600, cy + 600 * 1.5)
        ctx.move_to(cx - k * step + 600, cy - 600 * 1.5)
        ctx.line_to(cx - k * step - 600, cy + 600 * 1.5)
    ctx.stroke()
    for i in range(-6, 7):
        for j in range(-8, 9):
            if (i + j) % 2:
                continue
            px, py = cx + i * step / 2, cy + j * step * 0.75
            _four_point_star(ctx, px, py, 3.2, STARLIGHT, 0.55)
    ctx.restore()


def _four_point_star(ctx, x, y, r, colour, alpha=1.0):
    star_path(ctx, x, y, r, points=4, inner=0.3)
    _set(ctx, colour, alpha)
    ctx.fill()


def _medallion(ctx):
    cx, cy = CENTRE
    _set(ctx, NIGHT, 0.85)
    ctx.arc(cx, cy, 96, 0, 2 * math.pi)
    ctx.fill()
    _set(ctx, GOLD)
    for r, width in ((96, 2.2), (88, 0.9), (60, 1.4)):
        ctx.set_line_width(width)
        ctx.arc(cx, cy, r, 0, 2 * math.pi)
        ctx.stroke()
    for i in range(48):
        a = 2 * math.pi * i / 48
        ctx.arc(cx + 92 * math.cos(a), cy + 92 * math.sin(a), 1.3 if i % 2 else 2, 0, 2 * math.pi)
        ctx.fill()
    ctx.set_line_width(1.1)
    for i in range(16):
        a = 2 * math.pi * i / 16
        inner, outer = 62, 84 if i % 2 == 0 else 74
        ctx.move_to(cx + inner * math.cos(a), cy + inner * math.sin(a))
        ctx.line_to(cx + outer * math.cos(a), cy + outer * math.sin(a))
    ctx.stroke()
    # Full moon in the middle between two crescents turned away from it.
    moon = cairo.RadialGradient(cx - 8, cy - 8, 4, cx, cy, 36)
    moon.add_color_stop_rgb(0, *cairo_rgb(STARLIGHT))
    moon.add_color_stop_rgb(1, *cairo_rgb(CREAM))
    ctx.set_source(moon)
    ctx.arc(cx, cy, 34, 0, 2 * math.pi)
    ctx.fill()
    _set(ctx, GOLD)
    ctx.set_line_width(1.5)
    ctx.arc(cx, cy, 40, 0, 2 * math.pi)
    ctx.stroke()
    for side in (-1, 1):
        _crescent(ctx, cx + side * 120, cy, 18, side)
        _eight_point_star(ctx, cx, cy + side * 130, 18)
        _eight_point_star(ctx, cx + side * 100, cy + 150, 7)
        _eight_point_star(ctx, cx + side * 100, cy - 150, 7)


def _crescent(ctx, x, y, r, side):
    """A crescent whose hollow side faces away from the centre."""
    ctx.new_path()
    ctx.arc(x, y, r, 0, 2 * math.pi)
    ctx.new_sub_path()
    ctx.arc_negative(x + side * r * 0.5, y, r * 0.86, 2 * math.pi, 0)
    ctx.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    _set(ctx, GOLD)
    ctx.fill()
    ctx.set_fill_rule(cairo.FILL_RULE_WINDING)


def _eight_point_star(ctx, x, y, r):
    star_path(ctx, x, y, r, points=8, inner=0.42)
    _set(ctx, GOLD)
    ctx.fill()


def _frame(ctx):
    x, y, w, h = FIELD
    _set(ctx, mix(NIGHT, INDIGO, 0.5))
    fill_outside_field(ctx)
    _set(ctx, GOLD)
    stroke_frame_lines(ctx, 1.6)
    ctx.rectangle(x + 6.5, y + 6.5, w - 13, h - 13)
    ctx.stroke()
    for cx, cy in ((x + 6, y + 6), (x + w - 6, y + 6), (x + 6, y + h - 6), (x + w - 6, y + h - 6)):
        _eight_point_star(ctx, cx, cy, 9)
    for cx, cy in ((CARD_WIDTH / 2, 10), (CARD_WIDTH / 2, CARD_HEIGHT - 10), (10, CARD_HEIGHT / 2),
                   (CARD_WIDTH - 10, CARD_HEIGHT / 2)):
        ctx.save()
        ctx.translate(cx, cy)
        ctx.rotate(math.pi / 4)
        ctx.rectangle(-4, -4, 8, 8)
        ctx.restore()
        ctx.fill()


def _make_symmetric(surface):
    """Copies the top-left quarter into the other three, so both mirror axes are exact."""
    rgb = surface_to_rgb(surface)
    half_w, half_h = CARD_WIDTH // 2, CARD_HEIGHT // 2
    quarter = rgb[:half_h, :half_w]
    top = np.concatenate([quarter, quarter[:, ::-1]], axis=1)
    rgb_to_surface(np.concatenate([top, top[::-1]], axis=0), surface)
