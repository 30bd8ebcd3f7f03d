"""金線細工フィリア: gold filigree. Figures of coloured enamel set in doubled gold wire on
indigo velvet, fine scrolls and beads of gold around the emblem, a twisted gold rope for the
border and small jewels at its corners."""

import math

import cairo

from layout import BANNER_CENTRE, BANNER_WIDTH, CARD_HEIGHT, CARD_WIDTH, EMBLEM_SCALE, FIELD
from palette import CREAM, GOLD, INDIGO, NIGHT, TEAL, cairo_rgb, mix
from styles.base import CardStyle

RUBY = (168, 36, 70)
GOLD_LIGHT = (250, 232, 170)
GOLD_DARK = (146, 106, 44)
# Where the scrolls sit around the emblem (card pixels) and which way they curl.
SCROLLS = [(58, 112, 1), (282, 112, -1), (44, 236, 1), (296, 236, -1), (58, 360, 1), (282, 360, -1)]


class Style(CardStyle):
    palette = {
        "field_top": mix(INDIGO, NIGHT, 0.2), "field_bottom": mix(INDIGO, NIGHT, 0.55), "damask": GOLD,
        "frame": NIGHT, "trim": GOLD, "gold_light": GOLD_LIGHT, "gold_dark": GOLD_DARK, "jewel": RUBY,
        "plate": GOLD, "plate_text": NIGHT, "banner": mix(INDIGO, NIGHT, 0.3), "banner_fold": RUBY,
        "banner_text": GOLD_LIGHT,
        "ground": mix(TEAL, NIGHT, 0.3), "body": (52, 64, 146), "accent": RUBY, "light": GOLD, "dark": NIGHT,
        "line": GOLD,
    }

    def gold(self, x0, y0, x1, y1):
        """A metal gradient: bright where the light catches it, deep in the hollows."""
        metal = cairo.LinearGradient(x0, y0, x1, y1)
        metal.add_color_stop_rgb(0, *cairo_rgb(self.pal["gold_light"]))
        metal.add_color_stop_rgb(0.5, *cairo_rgb(self.pal["trim"]))
        metal.add_color_stop_rgb(1, *cairo_rgb(self.pal["gold_dark"]))
        return metal

    def paint_field(self, ctx):
        super().paint_field(ctx)
        self.paint_damask(ctx)
        for x, y, turn in SCROLLS:
            self.paint_scroll(ctx, x, y, turn)

    def paint_damask(self, ctx):
        self.colour(ctx, "damask", 0.09)
        x0, y0, w, h = FIELD
        for row in range(int(h // 34) + 1):
            for col in range(int(w // 34) + 1):
                x = x0 + col * 34 + (17 if row % 2 else 0)
                y = y0 + row * 34 + 8
                for i in range(4):
                    a = i * math.pi / 2
                    ctx.new_path()
                    ctx.arc(x + 5 * math.cos(a), y + 5 * math.sin(a), 4, 0, 2 * math.pi)
                    ctx.fill()

    def paint_scroll(self, ctx, x, y, turn, size=15):
        """A spiral of wire that winds in on itself, with a bead at its heart."""
        ctx.new_path()
        steps = 60
        for i in range(steps + 1):
            t = i / steps
            a = turn * t * 2.6 * 2 * math.pi
            r = size * (1 - t * 0.85)
            ctx.line_to(x + r * math.cos(a), y + r * math.sin(a))
        ctx.set_source(self.gold(x - size, y - size, x + size, y + size))
        ctx.set_line_width(1.3)
        ctx.stroke()
        ctx.arc(x, y, 1.8, 0, 2 * math.pi)
        ctx.fill()
        for i in range(5):
            a = turn * (0.4 + i * 0.28) * math.pi
            ctx.arc(x + (size + 4) * math.cos(a), y + (size + 4) * math.sin(a), 1.2, 0, 2 * math.pi)
            ctx.fill()

    def paint_shape(self, ctx, shape):
        wire = 2.3 / EMBLEM_SCALE
        self.trace(ctx, shape)
        x0, y0, x1, y1 = ctx.stroke_extents() if shape.is_line else ctx.fill_extents()
        if shape.is_line:
            ctx.set_source(self.gold(x0, y0, x1, y1))
            self.fill_or_stroke(ctx, shape, extra_width=0.6, preserve=shape.stroke_width > 3)
            if shape.stroke_width > 3:
                self.colour(ctx, "gold_dark")
                ctx.set_line_width(0.5 / EMBLEM_SCALE)
                ctx.stroke()
            return
        if shape.role == "light":
            ctx.set_source(self.gold(x0, y0, x1, y1))
        else:
            self.colour(ctx, shape.role)
        ctx.fill_preserve()
        ctx.set_source(self.gold(x0, y0, x1, y1))
        ctx.set_line_width(wire)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.stroke_preserve()
        self.colour(ctx, "gold_dark")
        ctx.set_line_width(0.5 / EMBLEM_SCALE)
        ctx.stroke()

    def paint_border(self, ctx):
        super().paint_border(ctx)
        self.paint_rope(ctx, 11, 11, CARD_WIDTH - 22, CARD_HEIGHT - 22)
        for jx, jy in ((11, 11), (CARD_WIDTH - 11, 11), (11, CARD_HEIGHT - 11), (CARD_WIDTH - 11, CARD_HEIGHT - 11),
                       (CARD_WIDTH / 2, CARD_HEIGHT - 11), (11, CARD_HEIGHT / 2), (CARD_WIDTH - 11, CARD_HEIGHT / 2)):
            self.paint_jewel(ctx, jx, jy, 5)

    def paint_rope(self, ctx, x, y, w, h):
        """Twisted gold rope: short slanted strokes between two gold lines."""
        ctx.set_source(self.gold(0, 0, CARD_WIDTH, CARD_HEIGHT))
        ctx.set_line_width(1)
        for inset in (-3.5, 3.5):
            ctx.rectangle(x - inset, y - inset, w + 2 * inset, h + 2 * inset)
            ctx.stroke()
        ctx.set_line_width(1.4)
        perimeter = [(x + t, edge, 1, 0) for t in range(0, int(w), 4) for edge in (y, y + h)]
        perimeter += [(edge, y + t, 0, 1) for t in range(0, int(h), 4) for edge in (x, x + w)]
        for px, py, dx, dy in perimeter:
            ctx.move_to(px - 2 * dx - 2.5 * dy, py - 2 * dy - 2.5 * dx)
            ctx.line_to(px + 2 * dx + 2.5 * dy, py + 2 * dy + 2.5 * dx)
        ctx.stroke()

    def paint_jewel(self, ctx, x, y, r):
        ctx.arc(x, y, r + 1.8, 0, 2 * math.pi)
        ctx.set_source(self.gold(x - r, y - r, x + r, y + r))
        ctx.fill()
        stone = cairo.RadialGradient(x - r * 0.35, y - r * 0.35, 0.5, x, y, r)
        stone.add_color_stop_rgb(0, *cairo_rgb(mix(self.pal["jewel"], CREAM, 0.6)))
        stone.add_color_stop_rgb(1, *cairo_rgb(self.pal["jewel"]))
        ctx.arc(x, y, r, 0, 2 * math.pi)
        ctx.set_source(stone)
        ctx.fill()

    def plate_source(self, ctx, cx, cy, width, height):
        ctx.set_source(self.gold(cx - width / 2, cy - height / 2, cx + width / 2, cy + height / 2))

    def paint_plate(self, ctx, cx, cy, width, height):
        super().paint_plate(ctx, cx, cy, width, height)
        for side in (-1, 1):
            self.paint_jewel(ctx, cx + side * (width / 2 + 8), cy, 4)

    def paint_banner(self, ctx):
        super().paint_banner(ctx)
        cx, cy = BANNER_CENTRE
        for side in (-1, 1):
            self.paint_scroll(ctx, cx + side * (BANNER_WIDTH / 2 - 14), cy, side, size=8)
