"""星野ミラ: star chart line art. Fine gold lines on a night sky with a polar grid; every
figure is drawn as an outline with its corners marked as stars, like a constellation."""

import math

import cairo

from drawing import field_edge_points
from layout import CARD_HEIGHT, CARD_WIDTH, EMBLEM_CENTRE, EMBLEM_SCALE, FIELD
from palette import CREAM, GOLD, INDIGO, NIGHT, STARLIGHT, TEAL, mix
from styles.base import CardStyle

LINE_WIDTH = 1.25   # card pixels


class Style(CardStyle):
    palette = {
        "field_top": NIGHT, "field_bottom": mix(INDIGO, TEAL, 0.55), "frame": mix(NIGHT, INDIGO, 0.5),
        "trim": GOLD, "plate": NIGHT, "plate_text": GOLD, "banner": NIGHT, "banner_fold": INDIGO,
        "banner_text": CREAM, "grid": GOLD,
        "ground": TEAL, "body": mix(TEAL, (120, 170, 200), 0.45), "accent": mix(GOLD, (200, 120, 110), 0.4),
        "light": STARLIGHT, "dark": NIGHT, "line": GOLD, "star": STARLIGHT,
    }

    def paint_field(self, ctx):
        super().paint_field(ctx)
        self.paint_polar_grid(ctx)
        self.paint_star_dust(ctx, 90, "star")
        for _ in range(7):
            self.paint_glint(ctx, *self.random_field_point(), 3 + self.rng.random() * 3)

    def random_field_point(self):
        x, y, w, h = FIELD
        return x + self.rng.random() * w, y + self.rng.random() * h

    def paint_polar_grid(self, ctx):
        cx, cy = EMBLEM_CENTRE
        ctx.save()
        ctx.rectangle(*FIELD)
        ctx.clip()
        self.colour(ctx, "grid", 0.2)
        ctx.set_line_width(0.8)
        ctx.set_dash([3, 4])
        for r in range(40, 320, 45):
            ctx.arc(cx, cy, r, 0, 2 * math.pi)
            ctx.stroke()
        ctx.set_dash([])
        self.colour(ctx, "grid", 0.12)
        for i in range(24):
            a = math.radians(i * 15)
            ctx.move_to(cx + 40 * math.cos(a), cy + 40 * math.sin(a))
            ctx.line_to(cx + 400 * math.cos(a), cy + 400 * math.sin(a))
            ctx.stroke()
        self.colour(ctx, "grid", 0.3)
        ctx.set_dash([6, 3, 1, 3])
        ctx.move_to(0, cy + 60)
        for x in range(0, CARD_WIDTH + 1, 4):
            ctx.line_to(x, cy + 60 - 90 * math.sin(math.pi * x / CARD_WIDTH))
        ctx.stroke()
        ctx.restore()

    def paint_glint(self, ctx, x, y, r):
        self.colour(ctx, "star", 0.9)
        ctx.set_line_width(0.7)
        ctx.move_to(x - r, y)
        ctx.line_to(x + r, y)
        ctx.move_to(x, y - r)
        ctx.line_to(x, y + r)
        ctx.stroke()
        ctx.arc(x, y, 1.2, 0, 2 * math.pi)
        ctx.fill()

    def paint_shape(self, ctx, shape):
        hairline = LINE_WIDTH / EMBLEM_SCALE
        self.trace(ctx, shape)
        if shape.is_line and shape.role == "line":
            self.colour(ctx, "line")
            ctx.set_line_width(max(shape.stroke_width * 0.55, hairline))
            ctx.set_line_cap(cairo.LINE_CAP_ROUND)
            ctx.stroke()
            return
        if shape.is_line:
            # A broad stroke (an arm, a staff) is drawn as its outline, like the figures.
            self.colour(ctx, "line")
            self.fill_or_stroke(ctx, shape, preserve=True)
            self.colour(ctx, "dark")
            ctx.set_line_width(max(shape.stroke_width - 2 * hairline, hairline))
            ctx.stroke_preserve()
            self.colour(ctx, shape.role, 0.55)
            ctx.stroke()
            return
        fill_alpha = {"ground": 0.35, "body": 0.55, "accent": 0.45, "light": 0.85, "dark": 1.0}[shape.role]
        self.colour(ctx, shape.role, fill_alpha)
        ctx.fill_preserve()
        self.colour(ctx, "dark" if shape.role == "light" else "line")
        ctx.set_line_width(hairline)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.stroke()
        self.mark_corners(ctx, shape)

    def mark_corners(self, ctx, shape):
        self.colour(ctx, "star")
        for x, y in self.corners_to_mark(shape, 14):
            ctx.arc(x, y, 1.5 / EMBLEM_SCALE, 0, 2 * math.pi)
            ctx.fill()

    def paint_border(self, ctx):
        super().paint_border(ctx)
        # Degree ticks along the field, a long one every fifth, as on the scale of a chart.
        self.colour(ctx, "trim", 0.8)
        ctx.set_line_width(0.8)
        for x, y, nx, ny, i in field_edge_points(6):
            length = 6 if i % 5 == 0 else 3
            ctx.move_to(x + nx, y + ny)
            ctx.line_to(x + nx * (1 + length), y + ny * (1 + length))
        ctx.stroke()
        for cx, cy in ((10, 10), (CARD_WIDTH - 10, 10), (10, CARD_HEIGHT - 10), (CARD_WIDTH - 10, CARD_HEIGHT - 10)):
            self.paint_compass(ctx, cx, cy, 8)

    def paint_compass(self, ctx, x, y, r):
        self.colour(ctx, "trim")
        for i in range(4):
            a = i * math.pi / 2
            ctx.move_to(x + r * math.cos(a), y + r * math.sin(a))
            ctx.line_to(x + r * 0.25 * math.cos(a + math.pi / 4), y + r * 0.25 * math.sin(a + math.pi / 4))
            ctx.line_to(x, y)
            ctx.line_to(x + r * 0.25 * math.cos(a - math.pi / 4), y + r * 0.25 * math.sin(a - math.pi / 4))
            ctx.close_path()
        ctx.fill()
