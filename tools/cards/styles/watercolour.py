"""水彩こもれび: watercolour washes. Transparent layers of colour on cream paper, pooling
darker at their edges, with the paper itself left bare for every light, a soft pencil line
around each figure and a hand-drawn gold frame."""

import math

import numpy as np

from layout import CARD_HEIGHT, CARD_WIDTH, FIELD
from palette import CREAM, GOLD, INDIGO, NIGHT, TEAL, mix
from raster import blend, box_blur, rgb_to_surface, surface_to_rgb, value_noise
from styles.base import CardStyle, path_mask

PENCIL = (70, 58, 84)
ROSE = (214, 120, 132)
WASH_OPACITY = {"ground": 0.85, "body": 0.85, "accent": 0.88, "dark": 0.92, "line": 0.95}

class Style(CardStyle):
    palette = {
        "paper": CREAM, "field_top": mix(INDIGO, (40, 46, 112), 0.3), "field_bottom": TEAL,
        "frame": CREAM, "trim": GOLD, "pencil": PENCIL, "plate": ROSE, "plate_text": INDIGO, "banner": GOLD,
        "banner_fold": ROSE, "banner_text": INDIGO,
        "ground": (62, 118, 112), "body": (116, 104, 170), "accent": ROSE, "light": (252, 240, 200),
        "dark": NIGHT, "line": GOLD,
    }

    def __init__(self, face):
        super().__init__(face)
        self.grain = value_noise(CARD_HEIGHT, CARD_WIDTH, 3, self.np_rng)
        self.field_mask = np.ones((CARD_HEIGHT, CARD_WIDTH), np.float32)
        self.blooms = value_noise(CARD_HEIGHT, CARD_WIDTH, 22, self.np_rng)

    def wash(self, rgb, mask, colour, opacity, ragged=0.35):
        """Lays one transparent wash: ragged edge, uneven pigment, darker rim where it dried."""
        rows, cols = np.nonzero(mask > 0.004)
        if rows.size == 0:
            return rgb
        margin = 8
        box = (slice(max(rows.min() - margin, 0), rows.max() + margin + 1),
               slice(max(cols.min() - margin, 0), cols.max() + margin + 1))
        soft = box_blur(mask[box], 1)
        shaped = np.clip((soft - 0.5 + ragged * (self.grain[box] - 0.5)) * 4 + 0.5, 0, 1) * (soft > 0.01)
        rim = np.clip(shaped - box_blur(shaped, 3), 0, 1)
        alpha = shaped * opacity * (0.8 + 0.2 * self.blooms[box])
        part = blend(rgb[box], colour, alpha)
        rgb = rgb.copy()
        rgb[box] = blend(part, mix(colour, NIGHT, 0.35), rim * 0.7)
        return rgb

    def paint_field(self, ctx):
        surface = ctx.get_target()
        self.colour(ctx, "paper")
        ctx.paint()
        rgb = surface_to_rgb(surface)
        x, y, w, h = FIELD
        field = path_mask(lambda c: (c.rectangle(x + 3, y + 3, w - 6, h - 6), c.fill()))
        rows = np.linspace(0, 1, CARD_HEIGHT, dtype=np.float32)[:, None]
        top, bottom = np.array(self.pal["field_top"]), np.array(self.pal["field_bottom"])
        sky = (top * (1 - rows) + bottom * rows)[:, None, :].repeat(CARD_WIDTH, axis=1)
        soft = np.clip((box_blur(field, 3) - 0.5 + 0.5 * (self.grain - 0.5)) * 5 + 0.5, 0, 1)
        alpha = (soft * (0.9 + 0.1 * self.blooms))[:, :, None]
        rgb = rgb * (1 - alpha) + sky / 255 * alpha
        rgb = blend(rgb, mix(self.pal["field_top"], NIGHT, 0.4), np.clip(soft - box_blur(soft, 4), 0, 1) * 0.8)
        rgb_to_surface(rgb, surface)
        self.field_mask = soft
        self.paint_star_dust(ctx, 45, "light", 0.9)

    def paint_emblem(self, ctx):
        surface = ctx.get_target()
        for shape in self.face.shapes:
            rgb = surface_to_rgb(surface)
            mask = self.shape_mask(shape) * self.field_mask
            if shape.role == "light":
                rgb = self.wash(rgb, mask, self.pal["paper"], 1.0, ragged=0.2)
                rgb = self.wash(rgb, mask, mix(self.pal["light"], GOLD, 0.35), 0.3, ragged=0.5)
            else:
                rgb = self.wash(rgb, mask, self.pal[shape.role], WASH_OPACITY[shape.role])
            rgb_to_surface(rgb, surface)
            if not shape.is_line:
                self.pencil(ctx, shape)

    def pencil(self, ctx, shape):
        ctx.save()
        x, y, w, h = FIELD
        ctx.rectangle(x + 5, y + 5, w - 10, h - 10)
        ctx.clip()
        self.emblem_space(ctx)
        ctx.translate(0.4, -0.3)
        self.trace(ctx, shape)
        ctx.identity_matrix()
        self.colour(ctx, "pencil", 0.45)
        ctx.set_line_width(0.7)
        ctx.stroke()
        ctx.restore()

    def paint_border(self, ctx):
        """A gold frame drawn freehand: each side wavers a little."""
        x, y, w, h = FIELD
        self.colour(ctx, "trim")
        for inset, width in ((-3, 1.6), (-7, 0.8)):
            ctx.set_line_width(width)
            self.freehand_rect(ctx, x + inset, y + inset, w - 2 * inset, h - 2 * inset)
            ctx.stroke()

    def freehand_rect(self, ctx, x, y, w, h):
        corners = [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]
        ctx.new_path()
        for (ax, ay), (bx, by) in zip(corners, corners[1:] + corners[:1]):
            for i in range(21):
                t = i / 20
                wobble = 0.9 * math.sin(t * math.pi * 3 + self.rng.random())
                nx, ny = (by - ay), -(bx - ax)
                length = math.hypot(nx, ny) or 1
                ctx.line_to(ax + (bx - ax) * t + wobble * nx / length, ay + (by - ay) * t + wobble * ny / length)

    def paint_plate(self, ctx, cx, cy, width, height):
        self.soft_blob(ctx, cx, cy, width * 0.5, height * 0.46, "plate", 0.7)

    def paint_ribbon(self, ctx, cx, cy, width, height):
        self.soft_blob(ctx, cx, cy, width * 0.52, height * 0.5, "banner", 0.85)
        self.colour(ctx, "trim")
        ctx.set_line_width(1)
        self.freehand_rect(ctx, cx - width / 2, cy - height / 2, width, height)
        ctx.stroke()

    def soft_blob(self, ctx, cx, cy, rx, ry, role, opacity):
        surface = ctx.get_target()
        mask = path_mask(lambda c: (c.save(), c.translate(cx, cy), c.scale(rx, ry), c.arc(0, 0, 1, 0, 2 * math.pi),
                                    c.restore(), c.fill()))
        rgb = self.wash(surface_to_rgb(surface), mask, self.pal[role], opacity, ragged=0.6)
        rgb_to_surface(rgb, surface)

    def finish(self, surface):
        """Cold-pressed paper: its tooth shows through every wash."""
        rgb = surface_to_rgb(surface)
        tooth = value_noise(CARD_HEIGHT, CARD_WIDTH, 1.3, self.np_rng)
        rgb_to_surface(np.clip(rgb * (0.94 + 0.07 * tooth[:, :, None]), 0, 1), surface)
