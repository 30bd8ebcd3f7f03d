"""The anatomy every card shares, painted in a style's colours: field, emblem, border,
number plate and title banner. Each creator's style overrides the parts it draws its own way."""

import math
import random
from dataclasses import dataclass

import cairo
import numpy as np

from awakening import paint_dawn_ornaments, paint_halo, paint_sunrise
from drawing import fill_outside_field, ribbon_tail_path, stroke_frame_lines
from layout import (BANNER_CENTRE, BANNER_HEIGHT, BANNER_WIDTH, CARD_HEIGHT, CARD_WIDTH, EMBLEM_CENTRE,
                    EMBLEM_SCALE, FIELD, PLATE_CENTRE, PLATE_HEIGHT)
from lettering import MINCHO, PROPORTIONAL_MINCHO, centred_text_path
from palette import cairo_rgb, dawn_palette
from raster import alpha_mask, new_card_surface
from shapes import Shape

WORDMARK = "Lunavox"
INVITATION = "make a wish"


@dataclass(frozen=True)
class CardFace:
    number: int
    number_text: str      # a Roman numeral, or the toy's name on the title card
    banner_text: str
    shapes: tuple[Shape, ...]
    awakened: bool

    @property
    def is_title_card(self) -> bool:
        return self.number == 0


class CardStyle:
    palette: dict = {}
    title_family = MINCHO
    numeral_family = PROPORTIONAL_MINCHO
    # How the plate and the banner are edged: the role of the outline, its width and
    # whether a thinner second line runs inside it.
    edge_role = "trim"
    edge_width = 1.6
    inner_edge = True

    def __init__(self, face: CardFace):
        self.face = face
        self.pal = dawn_palette(self.palette) if face.awakened else dict(self.palette)
        # The same seed for both faces of a card keeps the awakened face recognisably the same.
        self.rng = random.Random(face.number)
        self.np_rng = np.random.default_rng(face.number)

    def paint(self) -> cairo.ImageSurface:
        surface = new_card_surface()
        ctx = cairo.Context(surface)
        self.paint_field(ctx)
        if self.face.awakened:
            paint_sunrise(ctx)
            self.paint_halo(ctx)
        self.paint_emblem(ctx)
        self.paint_border(ctx)
        if self.face.awakened:
            self.paint_ornaments(ctx)
        self.paint_number(ctx)
        self.paint_banner(ctx)
        self.finish(surface)
        return surface

    # Colours.
    def colour(self, ctx, role_or_rgb, alpha=1.0):
        rgb = self.pal[role_or_rgb] if isinstance(role_or_rgb, str) else role_or_rgb
        ctx.set_source_rgba(*cairo_rgb(rgb), alpha)

    # The field behind the emblem.
    def paint_field(self, ctx):
        x, y, w, h = FIELD
        gradient = cairo.LinearGradient(0, y, 0, y + h)
        gradient.add_color_stop_rgb(0, *cairo_rgb(self.pal["field_top"]))
        gradient.add_color_stop_rgb(1, *cairo_rgb(self.pal["field_bottom"]))
        ctx.rectangle(0, 0, CARD_WIDTH, CARD_HEIGHT)
        ctx.set_source(gradient)
        ctx.fill()
        self.paint_star_dust(ctx, 60)

    def paint_star_dust(self, ctx, count, colour_role="light", alpha=0.7):
        x, y, w, h = FIELD
        for _ in range(count):
            sx, sy = x + self.rng.random() * w, y + self.rng.random() * h
            r = 0.5 + self.rng.random() ** 3 * 1.6
            self.colour(ctx, colour_role, alpha * (0.4 + 0.6 * self.rng.random()))
            ctx.arc(sx, sy, r, 0, 2 * math.pi)
            ctx.fill()

    def paint_halo(self, ctx):
        paint_halo(ctx)

    def paint_ornaments(self, ctx):
        paint_dawn_ornaments(ctx, self.pal["trim"])

    # The emblem.
    def emblem_space(self, ctx):
        ctx.translate(*EMBLEM_CENTRE)
        ctx.scale(EMBLEM_SCALE, EMBLEM_SCALE)

    def paint_emblem(self, ctx):
        ctx.save()
        self.emblem_space(ctx)
        for shape in self.face.shapes:
            self.paint_shape(ctx, shape)
        ctx.restore()

    def paint_shape(self, ctx, shape: Shape):
        self.colour(ctx, shape.role)
        self.trace(ctx, shape)
        self.fill_or_stroke(ctx, shape)

    def shape_mask(self, shape: Shape, extra_width=0.0) -> np.ndarray:
        def draw(ctx):
            self.emblem_space(ctx)
            self.trace(ctx, shape)
            self.fill_or_stroke(ctx, shape, extra_width)
        return path_mask(draw)

    @staticmethod
    def corners_to_mark(shape: Shape, most: int) -> list[tuple[float, float]]:
        """The corners of a figure worth marking: none on small details or on curves."""
        points = shape.points()
        return points if shape.role not in ("dark", "light") and 3 <= len(points) <= most else []

    @staticmethod
    def trace(ctx, shape: Shape):
        ctx.new_path()
        ctx.append_path(shape.path)

    @staticmethod
    def fill_or_stroke(ctx, shape: Shape, extra_width=0.0, preserve=False):
        if shape.is_line:
            ctx.set_line_width(shape.stroke_width + extra_width)
            ctx.set_line_cap(cairo.LINE_CAP_ROUND)
            ctx.set_line_join(cairo.LINE_JOIN_ROUND)
            (ctx.stroke_preserve if preserve else ctx.stroke)()
        else:
            (ctx.fill_preserve if preserve else ctx.fill)()

    # The border.
    def paint_border(self, ctx):
        self.colour(ctx, "frame")
        fill_outside_field(ctx)
        self.colour(ctx, "trim")
        stroke_frame_lines(ctx)

    # The number plate.
    def plate_width(self, ctx, text, size, spacing=0.12):
        ctx.save()
        width = centred_text_path(ctx, text, 0, 0, size, self.numeral_family, spacing=spacing)
        ctx.new_path()
        ctx.restore()
        return width

    def paint_number(self, ctx):
        if self.face.is_title_card:
            self.paint_wordmark(ctx)
            return
        cx, cy = PLATE_CENTRE
        size = 21
        width = max(self.plate_width(ctx, self.face.number_text, size) + 40, 70)
        self.paint_plate(ctx, cx, cy, width, PLATE_HEIGHT)
        self.paint_plate_text(ctx, self.face.number_text, cx, cy, size)

    def paint_plate(self, ctx, cx, cy, width, height):
        self.cartouche(ctx, cx, cy, width, height)
        self.plate_source(ctx, cx, cy, width, height)
        self.paint_edged(ctx, lambda inset: self.cartouche(ctx, cx, cy, width - inset, height - inset))

    def plate_source(self, ctx, cx, cy, width, height):
        self.colour(ctx, "plate")

    def paint_edged(self, ctx, outline, edge_width=None):
        """Fills the current path with the current source, then edges it; outline(inset)
        traces the same outline made smaller by inset, for the inner line."""
        ctx.fill_preserve()
        self.colour(ctx, self.edge_role)
        ctx.set_line_width(edge_width or self.edge_width)
        ctx.stroke()
        if self.inner_edge:
            outline(8)
            ctx.set_line_width((edge_width or self.edge_width) / 2)
            ctx.stroke()

    @staticmethod
    def cartouche(ctx, cx, cy, width, height):
        """A plate with notched, pointed ends."""
        w, h = width / 2, height / 2
        ctx.new_path()
        ctx.move_to(cx - w + h * 0.6, cy - h)
        ctx.line_to(cx + w - h * 0.6, cy - h)
        ctx.line_to(cx + w, cy)
        ctx.line_to(cx + w - h * 0.6, cy + h)
        ctx.line_to(cx - w + h * 0.6, cy + h)
        ctx.line_to(cx - w, cy)
        ctx.close_path()

    def paint_plate_text(self, ctx, text, cx, cy, size, spacing=0.12):
        centred_text_path(ctx, text, cx, cy, size, self.numeral_family, spacing=spacing)
        self.colour(ctx, "plate_text")
        ctx.fill()

    def paint_wordmark(self, ctx):
        """The title card names the toy and invites a wish where the number would stand."""
        cx, cy = PLATE_CENTRE
        self.paint_plate(ctx, cx, cy + 5, 214, PLATE_HEIGHT + 20)
        centred_text_path(ctx, WORDMARK, cx, cy - 1, 28, self.numeral_family, spacing=0.06)
        self.colour(ctx, "plate_text")
        ctx.fill()
        centred_text_path(ctx, INVITATION, cx, cy + 17, 10, self.numeral_family, spacing=0.3)
        self.colour(ctx, "trim")
        ctx.fill()

    # The title banner.
    def paint_banner(self, ctx):
        cx, cy = BANNER_CENTRE
        self.paint_ribbon(ctx, cx, cy, BANNER_WIDTH, BANNER_HEIGHT)
        self.paint_banner_text(ctx, cx, cy)

    def paint_ribbon(self, ctx, cx, cy, width, height):
        w, h = width / 2, height / 2
        for side in (-1, 1):
            ribbon_tail_path(ctx, cx, cy, w, h, side)
            self.colour(ctx, "banner_fold")
            ctx.fill_preserve()
            self.colour(ctx, self.edge_role)
            ctx.set_line_width(self.edge_width * 0.75)
            ctx.stroke()

        def body(inset):
            ctx.new_path()
            ctx.rectangle(cx - w + inset / 2, cy - h + inset / 2, width - inset, height - inset)
        body(0)
        self.colour(ctx, "banner")
        self.paint_edged(ctx, body)

    def paint_banner_text(self, ctx, cx, cy, size=23, colour_role="banner_text"):
        text = self.face.banner_text
        spacing = 0.25 if len(text) <= 3 else 0.08
        centred_text_path(ctx, text, cx, cy, size, self.title_family, max_width=BANNER_WIDTH - 30, spacing=spacing)
        self.colour(ctx, colour_role)
        ctx.fill()

    # A last pass over the pixels, for styles with a surface texture.
    def finish(self, surface: cairo.ImageSurface):
        pass


def path_mask(draw) -> np.ndarray:
    """Coverage (0..1) of the card pixels that draw(ctx) fills or strokes."""
    def paint(ctx):
        ctx.set_source_rgba(0, 0, 0, 1)
        draw(ctx)
    return alpha_mask(CARD_WIDTH, CARD_HEIGHT, paint)
