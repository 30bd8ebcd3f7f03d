"""木版師 渚舟: Japanese woodblock print. Flat colours from separate blocks, each a hair out
of register with the black key block, a graded bokashi sky, bands of mist, wood grain in the
ink and a red seal beside the title."""

import cairo
import numpy as np

from layout import BANNER_CENTRE, BANNER_WIDTH, CARD_HEIGHT, CARD_WIDTH, EMBLEM_SCALE, FIELD
from lettering import MINCHO, centred_text_path
from palette import CREAM, GOLD, INDIGO, TEAL, cairo_rgb, mix
from raster import rgb_to_surface, surface_to_rgb, value_noise
from styles.base import CardStyle

SUMI = (34, 30, 36)
PRUSSIAN = (28, 52, 104)
VERMILION = (200, 78, 54)
REGISTER_SHIFT = (0.9, 0.7)   # emblem units: the colour blocks sit a little off the key block
SEAL_TEXT = "舟"


class Style(CardStyle):
    edge_role = "key"
    edge_width = 2
    palette = {
        "sky_top": mix(INDIGO, PRUSSIAN, 0.5), "sky_mid": mix(PRUSSIAN, TEAL, 0.5),
        "sky_bottom": mix(CREAM, TEAL, 0.3), "mist": mix(CREAM, (240, 200, 190), 0.3),
        "frame": SUMI, "trim": GOLD, "key": SUMI, "plate": CREAM, "plate_text": SUMI, "banner": CREAM,
        "banner_fold": VERMILION, "banner_text": SUMI, "seal": VERMILION, "seal_text": CREAM,
        "ground": mix(TEAL, (70, 110, 96), 0.5), "body": mix(CREAM, (230, 200, 160), 0.3), "accent": VERMILION,
        "light": (246, 222, 150), "dark": SUMI, "line": SUMI,
    }

    def paint_field(self, ctx):
        x, y, w, h = FIELD
        sky = cairo.LinearGradient(0, y, 0, y + h)
        sky.add_color_stop_rgb(0, *cairo_rgb(self.pal["sky_top"]))
        sky.add_color_stop_rgb(0.16, *cairo_rgb(self.pal["sky_top"]))
        sky.add_color_stop_rgb(0.45, *cairo_rgb(self.pal["sky_mid"]))
        sky.add_color_stop_rgb(0.9, *cairo_rgb(self.pal["sky_bottom"]))
        ctx.rectangle(0, 0, CARD_WIDTH, CARD_HEIGHT)
        ctx.set_source(sky)
        ctx.fill()
        self.paint_star_dust(ctx, 26, "light", 0.9)
        for band_y, left, right in ((118, 10, 210), (150, 150, 330), (340, 0, 180)):
            self.paint_mist(ctx, band_y, left, right)

    def paint_mist(self, ctx, y, left, right):
        """A band of kasumi mist: flat, rounded, with a second step along its top."""
        self.colour(ctx, "mist", 0.92)
        for dx, dy, height in ((0, 0, 16), ((right - left) * 0.3, -9, 12)):
            ctx.new_path()
            r = height / 2
            ctx.arc(left + dx + r, y + dy + r, r, np.pi / 2, 3 * np.pi / 2)
            ctx.arc(right - r, y + dy + r, r, -np.pi / 2, np.pi / 2)
            ctx.close_path()
            ctx.fill()

    def paint_shape(self, ctx, shape):
        key_width = 1.9 / EMBLEM_SCALE
        if shape.is_line:
            self.trace(ctx, shape)
            if shape.role in ("line", "dark"):
                self.colour(ctx, "key")
                self.fill_or_stroke(ctx, shape)
            else:
                self.colour(ctx, "key")
                self.fill_or_stroke(ctx, shape, extra_width=key_width * 1.6, preserve=True)
                self.colour(ctx, shape.role)
                self.fill_or_stroke(ctx, shape)
            return
        ctx.save()
        ctx.translate(*REGISTER_SHIFT)
        self.trace(ctx, shape)
        self.colour(ctx, shape.role)
        ctx.fill_preserve()
        if shape.role == "ground":
            self.bokashi(ctx)
        ctx.new_path()
        ctx.restore()
        if shape.role != "dark":
            self.trace(ctx, shape)
            self.colour(ctx, "key")
            ctx.set_line_width(key_width)
            ctx.set_line_join(cairo.LINE_JOIN_ROUND)
            ctx.stroke()

    def bokashi(self, ctx):
        """Graded ink: the block was wiped so the colour is deep at the top and fades."""
        x0, y0, x1, y1 = ctx.fill_extents()
        shade = cairo.LinearGradient(0, y0, 0, min(y1, y0 + 70))
        shade.add_color_stop_rgba(0, *cairo_rgb(self.pal["sky_top"]), 0.55)
        shade.add_color_stop_rgba(1, *cairo_rgb(self.pal["sky_top"]), 0.0)
        ctx.set_source(shade)
        ctx.fill_preserve()

    def paint_border(self, ctx):
        super().paint_border(ctx)
        x, y, w, h = FIELD
        self.colour(ctx, "key")
        ctx.set_line_width(3)
        ctx.rectangle(x - 1.5, y - 1.5, w + 3, h + 3)
        ctx.stroke()
        self.colour(ctx, "seal")
        ctx.set_line_width(2)
        ctx.rectangle(11, 11, CARD_WIDTH - 22, CARD_HEIGHT - 22)
        ctx.stroke()

    def paint_plate(self, ctx, cx, cy, width, height):
        def plate(inset):
            ctx.new_path()
            ctx.rectangle(cx - (width - inset) / 2, cy - (height - inset) / 2, width - inset, height - inset)
        plate(0)
        self.colour(ctx, "plate")
        self.paint_edged(ctx, plate)

    def paint_banner(self, ctx):
        super().paint_banner(ctx)
        cx, cy = BANNER_CENTRE
        self.paint_seal(ctx, cx + BANNER_WIDTH / 2 - 20, cy - 2)

    def paint_seal(self, ctx, x, y, size=19):
        ctx.rectangle(x - size / 2, y - size / 2, size, size)
        self.colour(ctx, "seal")
        ctx.fill()
        centred_text_path(ctx, SEAL_TEXT, x, y, size * 0.78, MINCHO)
        self.colour(ctx, "seal_text")
        ctx.fill()

    def finish(self, surface):
        """Wood grain printed with the ink, on fibrous paper."""
        rgb = surface_to_rgb(surface)
        grain = value_noise(CARD_HEIGHT, CARD_WIDTH, (2.5, 60), self.np_rng)
        fibres = value_noise(CARD_HEIGHT, CARD_WIDTH, 1.2, self.np_rng)
        texture = 0.93 + 0.07 * grain + 0.04 * fibres
        rgb_to_surface(np.clip(rgb * texture[:, :, None], 0, 1), surface)
