"""Cairo paths that the styles and the card back share: stars, the frame, ribbon tails and
the marks along the edge of the field."""

import math

import cairo

from layout import CARD_HEIGHT, CARD_WIDTH, FIELD


def star_path(ctx: cairo.Context, x, y, r, points=5, inner=0.45, rotation_deg=-90.0) -> None:
    ctx.new_path()
    for i in range(points * 2):
        radius = r if i % 2 == 0 else r * inner
        a = math.radians(rotation_deg) + i * math.pi / points
        ctx.line_to(x + radius * math.cos(a), y + radius * math.sin(a))
    ctx.close_path()


def fill_outside_field(ctx: cairo.Context) -> None:
    """Fills the band between the picture edge and the field with the current source."""
    ctx.new_path()
    ctx.rectangle(0, 0, CARD_WIDTH, CARD_HEIGHT)
    ctx.rectangle(*FIELD)
    ctx.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    ctx.fill()
    ctx.set_fill_rule(cairo.FILL_RULE_WINDING)


def stroke_frame_lines(ctx: cairo.Context, width: float = 1.5) -> None:
    """A line round the field and a thinner one near the picture edge, in the current source."""
    x, y, w, h = FIELD
    ctx.new_path()
    ctx.set_line_width(width)
    ctx.rectangle(x - width / 2, y - width / 2, w + width, h + width)
    ctx.stroke()
    ctx.set_line_width(1)
    ctx.rectangle(6.5, 6.5, CARD_WIDTH - 13, CARD_HEIGHT - 13)
    ctx.stroke()


def ribbon_tail_path(ctx: cairo.Context, cx, cy, half_width, half_height, side) -> None:
    """The notched tail behind one end of the title banner (side -1 left, 1 right)."""
    ctx.new_path()
    ctx.move_to(cx + side * (half_width - 16), cy - half_height + 8)
    ctx.line_to(cx + side * (half_width + 14), cy - half_height + 8)
    ctx.line_to(cx + side * (half_width + 4), cy + 4)
    ctx.line_to(cx + side * (half_width + 14), cy + half_height + 8)
    ctx.line_to(cx + side * (half_width - 16), cy + half_height + 8)
    ctx.close_path()


def field_edge_points(step: float):
    """Points every step pixels along the four edges of the field, each with the outward
    normal of its edge: (x, y, normal_x, normal_y, index along the edge)."""
    x, y, w, h = FIELD
    for i in range(int(w // step) + 1):
        yield x + i * step, y, 0, -1, i
        yield x + i * step, y + h, 0, 1, i
    for i in range(int(h // step) + 1):
        yield x, y + i * step, -1, 0, i
        yield x + w, y + i * step, 1, 0, i
