"""PIXELMOON: pixel art. The whole card is drawn on a grid of 85 x 125 chunky pixels with a
small fixed palette, a dithered sky, one-pixel outlines round the figures and a game-window
frame; the lettering is set in half-size pixels, as in a game's dialogue box."""

import math

import cairo
import numpy as np

from awakening import HALO, paint_dawn_ornaments
from drawing import fill_outside_field
from layout import (BANNER_CENTRE, BANNER_HEIGHT, BANNER_WIDTH, CARD_HEIGHT, CARD_WIDTH, EMBLEM_CENTRE, FIELD,
                    PLATE_CENTRE, PLATE_HEIGHT)
from lettering import GOTHIC, centred_text_path
from palette import CREAM, GOLD, INDIGO, NIGHT, STARLIGHT, TEAL, cairo_rgb
from raster import new_card_surface, rgb_to_surface, surface_to_rgb
from styles.base import INVITATION, WORDMARK, CardStyle

PIXEL = 4            # card pixels per art pixel
TEXT_PIXEL = 2       # card pixels per lettering pixel
GRID_W, GRID_H = CARD_WIDTH // PIXEL, CARD_HEIGHT // PIXEL
BAYER = np.array([[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]], np.float32) / 16
OUTLINE = (12, 10, 30)
# Roman numerals in a hand-set pixel font: at this size a system font loses its serifs.
NUMERAL_GLYPHS = {
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "V": ["#...#", "#...#", "#...#", ".#.#.", ".#.#.", ".#.#.", "..#.."],
    "X": ["#...#", ".#.#.", ".#.#.", "..#..", ".#.#.", ".#.#.", "#...#"],
}


def numeral_bitmap(text: str) -> np.ndarray:
    """The numeral as a boolean array of font pixels, one empty column between letters."""
    columns = []
    for i, letter in enumerate(text):
        if i:
            columns.append(np.zeros((7, 1), bool))
        columns.append(np.array([[c == "#" for c in row] for row in NUMERAL_GLYPHS[letter]]))
    return np.concatenate(columns, axis=1)


class Style(CardStyle):
    palette = {
        "sky_0": NIGHT, "sky_1": INDIGO, "sky_2": (40, 62, 118), "sky_3": TEAL,
        "frame": NIGHT, "trim": GOLD, "frame_light": CREAM, "plate": INDIGO, "plate_text": CREAM,
        "banner": INDIGO, "banner_fold": TEAL, "banner_text": CREAM, "outline": OUTLINE, "halo": HALO,
        "ground": (44, 112, 108), "body": (128, 144, 210), "accent": (226, 104, 92), "light": (250, 226, 140),
        "dark": NIGHT, "line": GOLD, "star": STARLIGHT,
    }

    def paint(self) -> cairo.ImageSurface:
        grid = cairo.ImageSurface(cairo.FORMAT_RGB24, GRID_W, GRID_H)
        ctx = cairo.Context(grid)
        ctx.set_antialias(cairo.ANTIALIAS_NONE)
        ctx.scale(1 / PIXEL, 1 / PIXEL)
        self.paint_field(ctx)
        if self.face.awakened:
            self.paint_halo(ctx)
        self.paint_emblem(ctx)
        self.paint_border(ctx)
        if self.face.awakened:
            paint_dawn_ornaments(ctx, self.pal["trim"])
        self.paint_boxes(ctx)
        card = new_card_surface()
        rgb_to_surface(self.enlarge(surface_to_rgb(grid), PIXEL), card)
        self.paint_lettering(card)
        return card

    @staticmethod
    def enlarge(rgb, factor):
        return rgb.repeat(factor, axis=0).repeat(factor, axis=1)

    def paint_field(self, ctx):
        surface = ctx.get_target()
        levels = [np.array(self.pal[f"sky_{i}"], np.float32) / 255 for i in range(4)]
        rows = np.linspace(0, len(levels) - 1.001, GRID_H)[:, None]
        threshold = np.tile(BAYER, (GRID_H // 4 + 1, GRID_W // 4 + 1))[:GRID_H, :GRID_W]
        index = np.floor(rows) + ((rows - np.floor(rows)) > threshold)
        rgb = np.stack(levels)[index.astype(int)]
        rgb_to_surface(rgb, surface)
        for _ in range(40):
            x, y = self.rng.randrange(GRID_W), self.rng.randrange(GRID_H)
            self.pixel(ctx, x, y, "star")
            if self.rng.random() < 0.15:
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    self.pixel(ctx, x + dx, y + dy, "sky_3")

    def pixel(self, ctx, x, y, role):
        self.colour(ctx, role)
        ctx.rectangle(x * PIXEL, y * PIXEL, PIXEL, PIXEL)
        ctx.fill()

    def paint_halo(self, ctx):
        """A dithered glow with rings and rays, one art pixel wide."""
        surface = ctx.get_target()
        rgb = surface_to_rgb(surface)
        cx, cy = EMBLEM_CENTRE[0] / PIXEL, EMBLEM_CENTRE[1] / PIXEL
        yy, xx = np.mgrid[0:GRID_H, 0:GRID_W]
        distance = np.hypot(xx + 0.5 - cx, yy + 0.5 - cy) / 34
        threshold = np.tile(BAYER, (GRID_H // 4 + 1, GRID_W // 4 + 1))[:GRID_H, :GRID_W]
        lit = (1 - distance) * 1.2 > threshold
        halo = np.array(self.pal["halo"], np.float32) / 255
        rgb[lit] = rgb[lit] * 0.45 + halo * 0.55
        rgb_to_surface(rgb, surface)
        self.colour(ctx, "halo")
        ctx.set_line_width(PIXEL)
        for r in (118, 132):
            ctx.arc(EMBLEM_CENTRE[0], EMBLEM_CENTRE[1], r, 0, 2 * math.pi)
            ctx.stroke()
        for i in range(16):
            a = i * math.pi / 8
            ctx.move_to(EMBLEM_CENTRE[0] + 140 * math.cos(a), EMBLEM_CENTRE[1] + 140 * math.sin(a))
            ctx.line_to(EMBLEM_CENTRE[0] + 156 * math.cos(a), EMBLEM_CENTRE[1] + 156 * math.sin(a))
            ctx.stroke()

    def paint_emblem(self, ctx):
        surface = ctx.get_target()
        coverage = cairo.ImageSurface(cairo.FORMAT_A8, GRID_W, GRID_H)
        cover = cairo.Context(coverage)
        cover.set_antialias(cairo.ANTIALIAS_NONE)
        cover.scale(1 / PIXEL, 1 / PIXEL)
        self.emblem_space(cover)
        ctx.save()
        self.emblem_space(ctx)
        for shape in self.face.shapes:
            for target, colour in ((ctx, self.pal[shape.role]), (cover, (0, 0, 0))):
                target.set_source_rgb(*cairo_rgb(colour))
                self.trace(target, shape)
                if shape.is_line:
                    target.set_line_width(max(shape.stroke_width, PIXEL * 1.1))
                    target.set_line_cap(cairo.LINE_CAP_SQUARE)
                    target.stroke()
                else:
                    target.fill()
        ctx.restore()
        self.outline(surface, coverage)

    def outline(self, surface, coverage):
        """Dark pixels round the outside of the figures, the way sprites are drawn."""
        coverage.flush()
        mask = np.ndarray((GRID_H, coverage.get_stride()), np.uint8, coverage.get_data())[:, :GRID_W] > 0
        near = np.zeros_like(mask)
        near[1:] |= mask[:-1]
        near[:-1] |= mask[1:]
        near[:, 1:] |= mask[:, :-1]
        near[:, :-1] |= mask[:, 1:]
        x0, y0, w, h = (v // PIXEL for v in FIELD)
        edge = near & ~mask
        edge[:y0] = edge[y0 + h:] = False
        edge[:, :x0] = edge[:, x0 + w:] = False
        rgb = surface_to_rgb(surface)
        rgb[edge] = np.array(self.pal["outline"], np.float32) / 255
        rgb_to_surface(rgb, surface)

    def paint_border(self, ctx):
        """A game window frame: dark, then a gold line, a light line and corner studs."""
        self.colour(ctx, "frame")
        fill_outside_field(ctx)
        self.box_lines(ctx, PIXEL, PIXEL, CARD_WIDTH - 2 * PIXEL, CARD_HEIGHT - 2 * PIXEL)
        for sx, sy in ((8, 8), (CARD_WIDTH - 12, 8), (8, CARD_HEIGHT - 12), (CARD_WIDTH - 12, CARD_HEIGHT - 12)):
            self.colour(ctx, "frame_light")
            ctx.rectangle(sx, sy, PIXEL, PIXEL)
            ctx.fill()

    def box_lines(self, ctx, x, y, w, h):
        for inset, role in ((0, "trim"), (PIXEL, "frame"), (2 * PIXEL, "frame_light")):
            self.colour(ctx, role)
            ctx.set_line_width(PIXEL)
            ctx.rectangle(x + inset + PIXEL / 2, y + inset + PIXEL / 2, w - 2 * inset - PIXEL, h - 2 * inset - PIXEL)
            ctx.stroke()

    def paint_boxes(self, ctx):
        """The number box at the top and the dialogue box of the title, drawn on the grid."""
        cx, cy = PLATE_CENTRE
        plate_w = 200 if self.face.is_title_card else max(len(self.face.number_text) * 16 + 32, 64)
        plate_h = PLATE_HEIGHT + (16 if self.face.is_title_card else 0)
        self.dialogue_box(ctx, cx - plate_w / 2, cy - PLATE_HEIGHT / 2 - 2, plate_w, plate_h, "plate")
        bx, by = BANNER_CENTRE
        self.dialogue_box(ctx, bx - BANNER_WIDTH / 2 - 8, by - BANNER_HEIGHT / 2 - 4, BANNER_WIDTH + 16,
                          BANNER_HEIGHT + 8, "banner")

    def dialogue_box(self, ctx, x, y, w, h, role):
        x, y = round(x / PIXEL) * PIXEL, round(y / PIXEL) * PIXEL
        w, h = round(w / PIXEL) * PIXEL, round(h / PIXEL) * PIXEL
        self.colour(ctx, role)
        ctx.rectangle(x, y, w, h)
        ctx.fill()
        self.colour(ctx, "trim")
        ctx.set_line_width(PIXEL)
        ctx.rectangle(x + PIXEL / 2, y + PIXEL / 2, w - PIXEL, h - PIXEL)
        ctx.stroke()
        self.colour(ctx, "frame")
        for cx, cy in ((x, y), (x + w - PIXEL, y), (x, y + h - PIXEL), (x + w - PIXEL, y + h - PIXEL)):
            ctx.rectangle(cx, cy, PIXEL, PIXEL)
            ctx.fill()

    def stamp_numeral(self, mask, cx, cy):
        glyphs = numeral_bitmap(self.face.number_text)
        top, left = round(cy - glyphs.shape[0] / 2), round(cx - glyphs.shape[1] / 2)
        mask[top:top + glyphs.shape[0], left:left + glyphs.shape[1]] |= glyphs

    def paint_lettering(self, card):
        """Text drawn without smoothing at half size, then doubled, so it keeps crisp pixels."""
        lines = cairo.ImageSurface(cairo.FORMAT_A8, CARD_WIDTH // TEXT_PIXEL, CARD_HEIGHT // TEXT_PIXEL)
        ctx = cairo.Context(lines)
        options = cairo.FontOptions()
        options.set_antialias(cairo.ANTIALIAS_NONE)
        ctx.set_font_options(options)
        ctx.set_antialias(cairo.ANTIALIAS_NONE)
        ctx.scale(1 / TEXT_PIXEL, 1 / TEXT_PIXEL)
        px, py = PLATE_CENTRE
        if self.face.is_title_card:
            centred_text_path(ctx, WORDMARK, px, py + 1, 26, GOTHIC, spacing=0.1)
            ctx.fill()
            centred_text_path(ctx, INVITATION, px, py + 19, 12, GOTHIC, spacing=0.15)
        ctx.fill()
        bx, by = BANNER_CENTRE
        centred_text_path(ctx, self.face.banner_text, bx, by, 24, GOTHIC, max_width=BANNER_WIDTH - 24, spacing=0.1)
        ctx.fill()
        lines.flush()
        mask = np.ndarray((lines.get_height(), lines.get_stride()), np.uint8, lines.get_data())[:, :lines.get_width()]
        mask = mask > 127
        if not self.face.is_title_card:
            self.stamp_numeral(mask, px / TEXT_PIXEL, py / TEXT_PIXEL)
        mask = self.enlarge(mask, TEXT_PIXEL)
        rgb = surface_to_rgb(card)
        shadow = np.zeros_like(mask)
        shadow[TEXT_PIXEL:, TEXT_PIXEL:] = mask[:-TEXT_PIXEL, :-TEXT_PIXEL]
        rgb[shadow & ~mask] = np.array(self.pal["outline"], np.float32) / 255
        rgb[mask] = np.array(self.pal["banner_text"], np.float32) / 255
        rgb_to_surface(rgb, card)
