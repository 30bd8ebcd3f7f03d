"""影絵座ともしび: shadow puppets. Black leather figures pressed to a screen lit by a lamp
behind it, pierced with rows of tiny holes, coloured parts of thin translucent hide, the
rods that move them reaching down to the stage below a scalloped valance."""

import math

import cairo
import numpy as np

from layout import CARD_HEIGHT, CARD_WIDTH, EMBLEM_CENTRE, EMBLEM_SCALE, FIELD
from palette import GOLD, INDIGO, NIGHT, TEAL, cairo_rgb, mix
from raster import blend, box_blur, rgb_to_surface, surface_to_rgb, value_noise
from styles.base import CardStyle

SILHOUETTE = (24, 18, 30)
LAMP = (255, 232, 176)
AMBER = (232, 160, 92)
SILHOUETTE_ROLES = ("ground", "body", "dark", "line")
HOLE_SPACING = 7


class Style(CardStyle):
    palette = {
        "lamp": LAMP, "screen": AMBER, "screen_edge": mix(TEAL, INDIGO, 0.55), "frame": mix(NIGHT, SILHOUETTE, 0.5),
        "trim": GOLD, "plate": SILHOUETTE, "plate_text": GOLD, "banner": SILHOUETTE,
        "banner_fold": mix(INDIGO, NIGHT, 0.4), "banner_text": GOLD, "valance": mix(INDIGO, SILHOUETTE, 0.5),
        "ground": SILHOUETTE, "body": SILHOUETTE, "dark": SILHOUETTE, "line": SILHOUETTE,
        "accent": (196, 78, 64), "light": (255, 238, 190), "pierced": LAMP,
    }

    def paint_field(self, ctx):
        cx, cy = EMBLEM_CENTRE
        glow = cairo.RadialGradient(cx, cy - 30, 10, cx, cy - 10, 300)
        glow.add_color_stop_rgb(0, *cairo_rgb(self.pal["lamp"]))
        glow.add_color_stop_rgb(0.38, *cairo_rgb(self.pal["screen"]))
        glow.add_color_stop_rgb(1, *cairo_rgb(self.pal["screen_edge"]))
        ctx.set_source(glow)
        ctx.paint()

    def paint_emblem(self, ctx):
        surface = ctx.get_target()
        masks = [(shape, self.shape_mask(shape)) for shape in self.face.shapes]
        rgb = surface_to_rgb(surface)
        solid = np.zeros_like(masks[0][1]) if masks else None
        for shape, mask in masks:
            if shape.role in SILHOUETTE_ROLES:
                solid = np.maximum(solid, mask)
        # The puppets stand a finger's width from the screen, so their shadows blur a little.
        rgb = blend(rgb, SILHOUETTE, box_blur(solid, 4) * 0.35)
        holes = self.hole_pattern(rgb.shape[:2])
        for shape, mask in masks:
            if shape.role in SILHOUETTE_ROLES:
                rgb = blend(rgb, self.pal[shape.role], mask)
                if self.is_pierced(shape, mask):
                    inner = box_blur(mask, 3) > 0.985
                    rgb = blend(rgb, self.pal["pierced"], holes * inner * 0.85)
            else:
                rgb = blend(rgb, self.pal[shape.role], mask * 0.82)
                rim = np.clip(mask - box_blur(mask, 1), 0, 1) * 2
                rgb = blend(rgb, SILHOUETTE, np.clip(rim, 0, 1))
        rgb_to_surface(rgb, surface)
        self.paint_rods(ctx)

    @staticmethod
    def is_pierced(shape, mask):
        """Figures are pierced; the stage floor (anything reaching the bottom edge) is not."""
        return shape.role in ("body", "ground") and not shape.is_line and mask[-30:].max() < 0.5

    def hole_pattern(self, shape):
        """A lattice of pin-holes, offset on every other row."""
        rows, cols = np.mgrid[0:shape[0], 0:shape[1]]
        offset = (rows // HOLE_SPACING % 2) * (HOLE_SPACING / 2)
        dx = (cols + offset) % HOLE_SPACING - HOLE_SPACING / 2
        dy = rows % HOLE_SPACING - HOLE_SPACING / 2
        return np.clip(1.6 - np.hypot(dx, dy), 0, 1).astype(np.float32)

    def paint_rods(self, ctx):
        cx, cy = EMBLEM_CENTRE
        self.colour(ctx, SILHOUETTE, 0.85)
        ctx.set_line_width(1.6)
        for side in (-1, 1):
            ctx.move_to(cx + side * 22 * EMBLEM_SCALE, cy + 30 * EMBLEM_SCALE)
            ctx.line_to(cx + side * 70, CARD_HEIGHT)
            ctx.stroke()

    def paint_border(self, ctx):
        super().paint_border(ctx)
        x, y, w, h = FIELD
        scallop = 17
        count = int(w // scallop)
        start = x + (w - count * scallop) / 2
        ctx.new_path()
        ctx.move_to(x, y)
        for i in range(count):
            left = start + i * scallop
            ctx.arc_negative(left + scallop / 2, y + 4, scallop / 2, math.pi, 0)
        ctx.line_to(x + w, y)
        ctx.close_path()
        ctx.rectangle(x, y, w, 4)
        self.colour(ctx, "valance")
        ctx.fill()
        ctx.new_path()
        for i in range(count):
            ctx.arc_negative(start + i * scallop + scallop / 2, y + 4, scallop / 2, math.pi, 0)
        self.colour(ctx, "trim")
        ctx.set_line_width(1)
        ctx.stroke()
        for i in range(count):
            ctx.arc(start + i * scallop + scallop / 2, y + 4 + scallop / 2 + 2, 1.6, 0, 2 * math.pi)
            ctx.fill()

    def finish(self, surface):
        """The paper of the screen, lit from behind, shows its fibres."""
        rgb = surface_to_rgb(surface)
        fibres = value_noise(CARD_HEIGHT, CARD_WIDTH, (1.2, 5), self.np_rng)
        mottle = value_noise(CARD_HEIGHT, CARD_WIDTH, 18, self.np_rng)
        rgb_to_surface(np.clip(rgb * (0.93 + 0.05 * fibres + 0.04 * mottle)[:, :, None], 0, 1), surface)
