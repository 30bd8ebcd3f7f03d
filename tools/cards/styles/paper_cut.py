"""切り絵の紙月: paper cut-out silhouettes. Every figure is a piece of coloured paper laid
on the one below, so each casts a soft shadow; hills and stars are cut the same way."""

import math

import numpy as np

from drawing import ribbon_tail_path, star_path
from layout import CARD_HEIGHT, CARD_WIDTH, FIELD
from palette import CREAM, GOLD, INDIGO, NIGHT, TEAL, mix
from raster import blend, box_blur, rgb_to_surface, surface_to_rgb, value_noise
from styles.base import CardStyle, path_mask

CORAL = (226, 128, 112)
SHADOW_OFFSET = (2, 3)
SHADOW_BLUR = 2
SHADOW_STRENGTH = 0.55


def drop_shadow(rgb, mask, offset=SHADOW_OFFSET, blur=SHADOW_BLUR, strength=SHADOW_STRENGTH):
    dx, dy = offset
    shifted = np.zeros_like(mask)
    shifted[dy:, dx:] = mask[:mask.shape[0] - dy, :mask.shape[1] - dx]
    shade = box_blur(shifted, blur) * strength
    return rgb * (1 - shade[:, :, None] * (1 - mask[:, :, None]))


class Style(CardStyle):
    palette = {
        "field_top": NIGHT, "field_bottom": mix(INDIGO, TEAL, 0.6), "hill_far": mix(INDIGO, TEAL, 0.45),
        "hill_mid": TEAL, "hill_near": mix(TEAL, (60, 140, 130), 0.5), "paper_star": CREAM,
        "frame": CREAM, "trim": GOLD, "plate": CREAM, "plate_text": INDIGO, "banner": CREAM,
        "banner_fold": CORAL, "banner_text": INDIGO,
        "ground": mix(TEAL, NIGHT, 0.35), "body": CREAM, "accent": CORAL, "light": (250, 226, 164),
        "dark": NIGHT, "line": GOLD,
    }

    def lay_paper(self, ctx, mask, colour_role, shadow=True):
        surface = ctx.get_target()
        rgb = surface_to_rgb(surface)
        if shadow:
            rgb = drop_shadow(rgb, mask)
        rgb = blend(rgb, self.pal[colour_role], mask)
        rgb_to_surface(rgb, surface)

    def paint_field(self, ctx):
        super().paint_field(ctx)
        for _ in range(16):
            x0, y0, w, h = FIELD
            sx, sy, r = x0 + self.rng.random() * w, y0 + self.rng.random() * h * 0.6, 2.5 + self.rng.random() * 3
            star = path_mask(lambda c, sx=sx, sy=sy, r=r: (star_path(c, sx, sy, r), c.fill()))
            self.lay_paper(ctx, star, "paper_star")
        for role, top, amplitude, phase in (("hill_far", 330, 14, 0.5), ("hill_mid", 360, 12, 2.0),
                                            ("hill_near", 392, 10, 3.6)):
            self.lay_paper(ctx, path_mask(lambda c, t=top, a=amplitude, p=phase: self.hill_path(c, t, a, p)), role)

    @staticmethod
    def hill_path(ctx, top, amplitude, phase):
        ctx.move_to(0, CARD_HEIGHT)
        for x in range(0, CARD_WIDTH + 1, 4):
            ctx.line_to(x, top - amplitude * math.sin(phase + x / 45))
        ctx.line_to(CARD_WIDTH, CARD_HEIGHT)
        ctx.close_path()
        ctx.fill()

    def paint_emblem(self, ctx):
        for shape in self.face.shapes:
            self.lay_paper(ctx, self.shape_mask(shape), shape.role)

    def paint_border(self, ctx):
        def frame(c):
            x, y, w, h = FIELD
            c.rectangle(0, 0, CARD_WIDTH, CARD_HEIGHT)
            c.rectangle(x + 4, y + 4, w - 8, h - 8)
            c.set_fill_rule(1)
            c.fill()
            c.set_fill_rule(0)
            for px in np.arange(x + 4, x + w - 3, 11):
                for py in (y + 4, y + h - 4):
                    c.arc(px, py, 5.5, 0, 2 * math.pi)
                    c.fill()
            for py in np.arange(y + 4, y + h - 3, 11):
                for px in (x + 4, x + w - 4):
                    c.arc(px, py, 5.5, 0, 2 * math.pi)
                    c.fill()
        self.lay_paper(ctx, path_mask(frame), "frame")
        self.colour(ctx, "trim")
        ctx.set_line_width(1.2)
        ctx.rectangle(6.5, 6.5, CARD_WIDTH - 13, CARD_HEIGHT - 13)
        ctx.stroke()

    def paint_plate(self, ctx, cx, cy, width, height):
        self.lay_paper(ctx, path_mask(lambda c: (self.cartouche(c, cx, cy, width, height), c.fill())), "plate")
        self.cartouche(ctx, cx, cy, width - 7, height - 7)
        self.colour(ctx, "banner_fold")
        ctx.set_line_width(1.2)
        ctx.set_dash([3, 2])
        ctx.stroke()
        ctx.set_dash([])

    def paint_ribbon(self, ctx, cx, cy, width, height):
        w, h = width / 2, height / 2
        for side in (-1, 1):
            tail = path_mask(lambda c, side=side: (ribbon_tail_path(c, cx, cy, w, h, side), c.fill()))
            self.lay_paper(ctx, tail, "banner_fold")
        self.lay_paper(ctx, path_mask(lambda c: (c.rectangle(cx - w, cy - h, width, height), c.fill())), "banner")
        ctx.rectangle(cx - w + 5, cy - h + 5, width - 10, height - 10)
        self.colour(ctx, "banner_fold")
        ctx.set_line_width(1.2)
        ctx.set_dash([3, 2])
        ctx.stroke()
        ctx.set_dash([])

    def finish(self, surface):
        """The grain of handmade paper."""
        rgb = surface_to_rgb(surface)
        fibres = value_noise(CARD_HEIGHT, CARD_WIDTH, 1.5, self.np_rng)
        clouds = value_noise(CARD_HEIGHT, CARD_WIDTH, 30, self.np_rng)
        texture = 0.95 + 0.05 * fibres + 0.05 * clouds
        rgb_to_surface(np.clip(rgb * texture[:, :, None], 0, 1), surface)
