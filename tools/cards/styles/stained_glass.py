"""硝子工房アオイ: stained glass. Jewel-toned panes of a rose window under a pointed arch,
every piece held in dark lead cames, with light shining through from the middle."""

import math

import cairo
import numpy as np

from layout import CARD_HEIGHT, CARD_WIDTH, EMBLEM_CENTRE, EMBLEM_SCALE, FIELD
from palette import CREAM, GOLD, INDIGO, NIGHT, TEAL, mix
from raster import rgb_to_surface, surface_to_rgb, value_noise
from styles.base import CardStyle

LEAD = (24, 22, 34)
RUBY = (168, 44, 64)
COBALT = (38, 62, 150)
VIOLET = (84, 52, 128)
AMBER = (232, 176, 72)
EMERALD = (32, 118, 104)
ARCH_SPRING_Y = 150


class Style(CardStyle):
    edge_role = "lead"
    edge_width = 3
    inner_edge = False
    palette = {
        "glass_a": mix(INDIGO, COBALT, 0.6), "glass_b": TEAL, "glass_c": VIOLET, "glass_d": mix(INDIGO, TEAL, 0.5),
        "field_top": INDIGO, "field_bottom": TEAL, "frame": mix(NIGHT, INDIGO, 0.4), "stone": mix(NIGHT, INDIGO, 0.7),
        "trim": GOLD, "lead": LEAD, "plate": AMBER, "plate_text": LEAD, "banner": CREAM, "banner_fold": RUBY,
        "banner_text": LEAD,
        "ground": EMERALD, "body": COBALT, "accent": RUBY, "light": mix(AMBER, CREAM, 0.45), "dark": LEAD,
        "line": AMBER, "jewel_a": RUBY, "jewel_b": AMBER,
    }

    def arch_path(self, ctx, inset=0.0):
        x, y, w, h = FIELD
        left, right, bottom = x + 8 + inset, x + w - 8 - inset, y + h - 8 - inset
        radius = right - left
        ctx.new_path()
        ctx.move_to(left, bottom)
        ctx.line_to(left, ARCH_SPRING_Y)
        ctx.arc(right, ARCH_SPRING_Y, radius, math.pi, math.pi + math.acos(0.5))
        ctx.arc(left, ARCH_SPRING_Y, radius, -math.acos(0.5), 0)
        ctx.line_to(right, bottom)
        ctx.close_path()

    def paint_field(self, ctx):
        self.colour(ctx, "stone")
        ctx.paint()
        ctx.save()
        self.arch_path(ctx)
        ctx.clip()
        self.paint_rose_window(ctx)
        ctx.restore()
        self.arch_path(ctx)
        self.colour(ctx, "lead")
        ctx.set_line_width(5)
        ctx.stroke_preserve()
        self.colour(ctx, "trim")
        ctx.set_line_width(1.2)
        ctx.stroke()

    def paint_rose_window(self, ctx):
        cx, cy = EMBLEM_CENTRE
        radii = [0, 34, 70, 112, 160, 215, 280]
        glasses = ["glass_a", "glass_b", "glass_c", "glass_d"]
        for ring, (inner, outer) in enumerate(zip(radii, radii[1:])):
            count = 6 + ring * 5
            offset = self.rng.random() * 360
            for i in range(count):
                a0 = math.radians(offset + i * 360 / count + self.rng.uniform(-3, 3))
                a1 = math.radians(offset + (i + 1) * 360 / count)
                ctx.new_path()
                ctx.arc(cx, cy, outer, a0, a1)
                ctx.arc_negative(cx, cy, inner, a1, a0)
                ctx.close_path()
                shade = self.rng.uniform(-0.12, 0.12)
                tint = (255, 255, 255) if shade > 0 else (0, 0, 0)
                colour = mix(self.pal[self.rng.choice(glasses)], tint, abs(shade))
                self.colour(ctx, colour)
                ctx.fill_preserve()
                self.colour(ctx, "lead")
                ctx.set_line_width(2.4)
                ctx.stroke()
        self.paint_light_through(ctx, cx, cy)

    def paint_light_through(self, ctx, cx, cy):
        light = cairo.RadialGradient(cx, cy, 0, cx, cy, 190)
        light.add_color_stop_rgba(0, 1, 0.97, 0.85, 0.35)
        light.add_color_stop_rgba(1, 1, 0.97, 0.85, 0.0)
        ctx.set_source(light)
        ctx.paint()

    def paint_shape(self, ctx, shape):
        lead_width = 2.6 / EMBLEM_SCALE
        self.trace(ctx, shape)
        if shape.is_line:
            self.colour(ctx, "lead")
            self.fill_or_stroke(ctx, shape, extra_width=lead_width * 1.6, preserve=True)
            self.colour(ctx, "line" if shape.role == "line" else shape.role)
            self.fill_or_stroke(ctx, shape)
            return
        self.colour(ctx, shape.role)
        ctx.fill_preserve()
        extents = ctx.fill_extents()
        ctx.save()
        ctx.clip_preserve()
        self.glaze(ctx, extents)
        if shape.role != "dark":
            self.paint_cames(ctx, extents, lead_width * 0.8)
        ctx.restore()
        self.trace(ctx, shape)
        self.colour(ctx, "lead")
        ctx.set_line_width(lead_width)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.stroke()

    @staticmethod
    def glaze(ctx, extents):
        """Glass is brighter where the light comes through its upper side."""
        x0, y0, x1, y1 = extents
        sheen = cairo.LinearGradient(x0, y0, x1, y1)
        sheen.add_color_stop_rgba(0, 1, 1, 1, 0.28)
        sheen.add_color_stop_rgba(0.6, 1, 1, 1, 0.0)
        sheen.add_color_stop_rgba(1, 0, 0, 0, 0.18)
        ctx.set_source(sheen)
        ctx.fill()

    def paint_cames(self, ctx, extents, width):
        """Large pieces are cut into smaller ones, as a glazier would."""
        x0, y0, x1, y1 = extents
        area = (x1 - x0) * (y1 - y0)
        cuts = 0 if area < 500 else 1 if area < 2500 else 2 if area < 7000 else 3
        self.colour(ctx, "lead")
        ctx.set_line_width(width)
        for _ in range(cuts):
            px, py = self.rng.uniform(x0, x1), self.rng.uniform(y0, y1)
            a = self.rng.uniform(0, math.pi)
            reach = max(x1 - x0, y1 - y0)
            ctx.move_to(px - reach * math.cos(a), py - reach * math.sin(a))
            ctx.line_to(px + reach * math.cos(a), py + reach * math.sin(a))
            ctx.stroke()

    def paint_border(self, ctx):
        super().paint_border(ctx)
        x, y, w, h = FIELD
        size, step = 8, 16
        positions = [(px, y / 2) for px in range(18, CARD_WIDTH - 10, step)]
        positions += [(px, CARD_HEIGHT - y / 2) for px in range(18, CARD_WIDTH - 10, step)]
        positions += [(x / 2, py) for py in range(34, CARD_HEIGHT - 26, step)]
        positions += [(CARD_WIDTH - x / 2, py) for py in range(34, CARD_HEIGHT - 26, step)]
        for i, (px, py) in enumerate(positions):
            ctx.rectangle(px - size / 2, py - size / 2, size, size)
            self.colour(ctx, "jewel_a" if i % 2 else "jewel_b")
            ctx.fill_preserve()
            self.colour(ctx, "lead")
            ctx.set_line_width(1.5)
            ctx.stroke()

    def finish(self, surface):
        """Mottled glass: the colour of hand-blown glass is never quite even."""
        rgb = surface_to_rgb(surface)
        mottle = value_noise(CARD_HEIGHT, CARD_WIDTH, 5, self.np_rng)
        rgb_to_surface(np.clip(rgb * (0.93 + 0.14 * mottle[:, :, None]), 0, 1), surface)
