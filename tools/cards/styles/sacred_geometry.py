"""幾何のソラ: sacred geometry. Compass-and-ruler figures in gold on deep teal: a flower of
life behind everything, a hexagram around the emblem, every figure outlined in gold wire with
small rings at its corners, like points pricked by a compass."""

import math

import cairo

from drawing import field_edge_points
from layout import BANNER_HEIGHT, CARD_HEIGHT, CARD_WIDTH, EMBLEM_CENTRE, EMBLEM_SCALE, FIELD
from palette import CREAM, GOLD, INDIGO, NIGHT, TEAL, cairo_rgb, mix
from styles.base import CardStyle

FLOWER_RADIUS = 28


class Style(CardStyle):
    palette = {
        "field_top": mix(INDIGO, NIGHT, 0.3), "field_bottom": mix(TEAL, NIGHT, 0.25), "pattern": GOLD,
        "frame": mix(NIGHT, TEAL, 0.25), "trim": GOLD, "plate": mix(NIGHT, TEAL, 0.3), "plate_text": GOLD,
        "banner": mix(NIGHT, TEAL, 0.3), "banner_fold": TEAL, "banner_text": CREAM,
        "ground": mix(TEAL, INDIGO, 0.45), "body": mix(TEAL, CREAM, 0.22), "accent": (186, 112, 92),
        "light": mix(GOLD, CREAM, 0.55), "dark": NIGHT, "line": GOLD,
    }

    def paint_field(self, ctx):
        super().paint_field(ctx)
        ctx.save()
        ctx.rectangle(*FIELD)
        ctx.clip()
        self.paint_flower_of_life(ctx)
        self.paint_hexagram(ctx)
        ctx.restore()

    def paint_flower_of_life(self, ctx):
        cx, cy = EMBLEM_CENTRE
        r = FLOWER_RADIUS
        self.colour(ctx, "pattern", 0.13)
        ctx.set_line_width(0.8)
        for row in range(-10, 11):
            for col in range(-8, 9):
                x = cx + col * r + (r / 2 if row % 2 else 0)
                y = cy + row * r * math.sqrt(3) / 2
                ctx.new_path()
                ctx.arc(x, y, r, 0, 2 * math.pi)
                ctx.stroke()

    def paint_hexagram(self, ctx):
        cx, cy = EMBLEM_CENTRE
        self.colour(ctx, "pattern", 0.4)
        ctx.set_line_width(1.1)
        for r in (134, 144):
            ctx.new_path()
            ctx.arc(cx, cy, r, 0, 2 * math.pi)
            ctx.stroke()
        for turn in (0, 180):
            ctx.new_path()
            for i in range(3):
                a = math.radians(turn - 90 + i * 120)
                ctx.line_to(cx + 134 * math.cos(a), cy + 134 * math.sin(a))
            ctx.close_path()
            ctx.stroke()
        self.colour(ctx, "pattern", 0.22)
        for i in range(12):
            a = math.radians(i * 30)
            ctx.move_to(cx + 144 * math.cos(a), cy + 144 * math.sin(a))
            ctx.line_to(cx + 260 * math.cos(a), cy + 260 * math.sin(a))
        ctx.stroke()

    def paint_shape(self, ctx, shape):
        wire = 1.5 / EMBLEM_SCALE
        self.trace(ctx, shape)
        if shape.is_line:
            self.colour(ctx, "line" if shape.role in ("line", "ground") else shape.role)
            self.fill_or_stroke(ctx, shape)
            return
        if shape.role == "light":
            x0, y0, x1, y1 = ctx.fill_extents()
            sheen = cairo.LinearGradient(x0, y0, x1, y1)
            sheen.add_color_stop_rgb(0, *cairo_rgb(self.pal["light"]))
            sheen.add_color_stop_rgb(1, *cairo_rgb(self.pal["trim"]))
            ctx.set_source(sheen)
        else:
            self.colour(ctx, shape.role, 0.82)
        ctx.fill_preserve()
        self.colour(ctx, "trim")
        ctx.set_line_width(wire)
        ctx.set_line_join(cairo.LINE_JOIN_MITER)
        ctx.stroke()
        self.prick_corners(ctx, shape)

    def prick_corners(self, ctx, shape):
        self.colour(ctx, "trim")
        ctx.set_line_width(0.8 / EMBLEM_SCALE)
        for x, y in self.corners_to_mark(shape, 10):
            ctx.new_path()
            ctx.arc(x, y, 2.2 / EMBLEM_SCALE, 0, 2 * math.pi)
            ctx.stroke()

    def paint_border(self, ctx):
        super().paint_border(ctx)
        # A band of small triangles standing on the edge of the field.
        self.colour(ctx, "trim", 0.85)
        ctx.set_line_width(0.8)
        half = 5
        for x, y, nx, ny, i in field_edge_points(12):
            ctx.move_to(x + nx * 3 - ny * half, y + ny * 3 + nx * half)
            ctx.line_to(x + nx * 11, y + ny * 11)
            ctx.line_to(x + nx * 3 + ny * half, y + ny * 3 - nx * half)
        ctx.stroke()
        for cx, cy in ((10, 10), (CARD_WIDTH - 10, 10), (10, CARD_HEIGHT - 10), (CARD_WIDTH - 10, CARD_HEIGHT - 10)):
            self.paint_seed_of_life(ctx, cx, cy, 3.6)

    def paint_seed_of_life(self, ctx, x, y, r):
        self.colour(ctx, "trim")
        ctx.set_line_width(0.7)
        for i in range(7):
            px, py = (x, y) if i == 0 else (x + r * math.cos(i * math.pi / 3), y + r * math.sin(i * math.pi / 3))
            ctx.new_path()
            ctx.arc(px, py, r, 0, 2 * math.pi)
            ctx.stroke()

    def paint_ribbon(self, ctx, cx, cy, width, height):
        self.cartouche(ctx, cx, cy, width + 24, height)
        self.colour(ctx, "banner")
        ctx.fill_preserve()
        self.colour(ctx, "trim")
        ctx.set_line_width(1.6)
        ctx.stroke()
        self.cartouche(ctx, cx, cy, width + 12, height - 8)
        ctx.set_line_width(0.8)
        ctx.stroke()
        for side in (-1, 1):
            ctx.new_path()
            ctx.arc(cx + side * (width / 2 + 18), cy, BANNER_HEIGHT / 6, 0, 2 * math.pi)
            ctx.stroke()
