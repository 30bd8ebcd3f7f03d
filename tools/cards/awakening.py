"""What every awakened face gains: the glow of sunrise, a halo behind the emblem and
extra ornament, so that the card reads at once as the same card at dawn."""

import math

import cairo

from layout import BANNER_CENTRE, BANNER_HEIGHT, BANNER_WIDTH, CARD_HEIGHT, EMBLEM_CENTRE, FIELD, PLATE_CENTRE
from palette import cairo_rgb

HALO = (255, 226, 170)
SUNRISE = (255, 176, 120)
ROSE = (246, 150, 150)


def paint_sunrise(ctx: cairo.Context) -> None:
    """A warm glow rising from the bottom of the field."""
    x, y, w, h = FIELD
    glow = cairo.LinearGradient(0, y + h, 0, y + h * 0.3)
    glow.add_color_stop_rgba(0, *cairo_rgb(SUNRISE), 0.65)
    glow.add_color_stop_rgba(0.5, *cairo_rgb(ROSE), 0.28)
    glow.add_color_stop_rgba(1, *cairo_rgb(ROSE), 0.0)
    ctx.rectangle(x, y, w, h)
    ctx.set_source(glow)
    ctx.fill()


def paint_halo(ctx: cairo.Context, radius: float = 128, rays: int = 36) -> None:
    cx, cy = EMBLEM_CENTRE
    glow = cairo.RadialGradient(cx, cy, 0, cx, cy, radius * 1.1)
    glow.add_color_stop_rgba(0, *cairo_rgb(HALO), 0.85)
    glow.add_color_stop_rgba(0.55, *cairo_rgb(HALO), 0.35)
    glow.add_color_stop_rgba(1, *cairo_rgb(HALO), 0.0)
    ctx.arc(cx, cy, radius * 1.1, 0, 2 * math.pi)
    ctx.set_source(glow)
    ctx.fill()
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    for i in range(rays):
        a = 2 * math.pi * i / rays
        inner, outer = radius * 0.55, radius * (1.12 if i % 2 == 0 else 0.92)
        ctx.move_to(cx + inner * math.cos(a), cy + inner * math.sin(a))
        ctx.line_to(cx + outer * math.cos(a), cy + outer * math.sin(a))
        ctx.set_source_rgba(*cairo_rgb(HALO), 0.55 if i % 2 == 0 else 0.35)
        ctx.set_line_width(2.2 if i % 2 == 0 else 1.4)
        ctx.stroke()
    ctx.set_source_rgba(*cairo_rgb(HALO), 0.9)
    ctx.set_line_width(2)
    ctx.arc(cx, cy, radius * 0.9, 0, 2 * math.pi)
    ctx.stroke()
    for i in range(48):
        a = 2 * math.pi * i / 48
        ctx.arc(cx + radius * 0.97 * math.cos(a), cy + radius * 0.97 * math.sin(a), 1.4, 0, 2 * math.pi)
        ctx.fill()


def paint_dawn_ornaments(ctx: cairo.Context, gold) -> None:
    """Rising suns in the field corners, wings beside the number and sparkles by the banner."""
    x, y, w, h = FIELD
    for cx, cy, start in ((x, y, 0), (x + w, y, 90), (x + w, y + h, 180), (x, y + h, 270)):
        _corner_sun(ctx, cx, cy, math.radians(start), gold)
    px, py = PLATE_CENTRE
    for side in (-1, 1):
        _wing(ctx, px + side * 64, py, side, gold)
    bx, by = BANNER_CENTRE
    for side in (-1, 1):
        _sparkle(ctx, bx + side * (BANNER_WIDTH / 2 + 2), by - BANNER_HEIGHT / 2 - 6, 7, gold)
    _sparkle(ctx, bx, by - BANNER_HEIGHT / 2 - 14, 6, gold)
    _sparkle(ctx, px, CARD_HEIGHT - 12, 5, gold)


def _corner_sun(ctx, cx, cy, start, gold):
    ctx.set_source_rgb(*cairo_rgb(gold))
    ctx.move_to(cx, cy)
    ctx.arc(cx, cy, 11, start, start + math.pi / 2)
    ctx.close_path()
    ctx.fill()
    ctx.set_line_width(1.6)
    for i in range(5):
        a = start + (i + 0.5) * math.pi / 10
        ctx.move_to(cx + 15 * math.cos(a), cy + 15 * math.sin(a))
        ctx.line_to(cx + 26 * math.cos(a), cy + 26 * math.sin(a))
    ctx.stroke()


def _wing(ctx, x, y, side, gold):
    ctx.set_source_rgb(*cairo_rgb(gold))
    for i in range(3):
        length = 30 - i * 7
        lift = 7 - i * 6
        ctx.move_to(x, y + i * 4 - 4)
        tip_x = x + side * length
        ctx.curve_to(x + side * length * 0.5, y - lift - 6, tip_x, y - lift, tip_x, y - lift + 2)
        ctx.curve_to(x + side * length * 0.6, y + i * 4 - 1, x + side * 8, y + i * 4 + 2, x, y + i * 4 - 1)
        ctx.close_path()
        ctx.fill()


def _sparkle(ctx, x, y, r, colour):
    ctx.set_source_rgb(*cairo_rgb(colour))
    tips = [(x, y - r), (x + r, y), (x, y + r), (x - r, y)]
    ctx.move_to(*tips[0])
    for i in range(4):
        (ax, ay), (bx, by) = tips[i], tips[(i + 1) % 4]
        pull_x, pull_y = x + 0.12 * (ax + bx - 2 * x), y + 0.12 * (ay + by - 2 * y)
        ctx.curve_to(pull_x, pull_y, pull_x, pull_y, bx, by)
    ctx.close_path()
    ctx.fill()
