"""Drawing surface shared by all pictures: cairo for vector shapes, numpy for
pixel work, PIL for blurs and the Japanese fonts."""
import math

import cairo
import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

from palette import unit

GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"
MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf"


class Canvas:
    """An opaque RGB picture that cairo and numpy can both draw on."""

    def __init__(self, width, height, fill=(0, 0, 0)):
        self.width, self.height = width, height
        self.surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, width, height)
        self.ctx = cairo.Context(self.surface)
        self.ctx.set_source_rgb(*unit(fill))
        self.ctx.paint()

    @classmethod
    def from_array(cls, rgb):
        canvas = cls(rgb.shape[1], rgb.shape[0])
        canvas.set_array(rgb)
        return canvas

    def _pixels(self):
        stride = self.surface.get_stride() // 4
        view = np.ndarray((self.height, stride, 4), np.uint8, self.surface.get_data())
        return view[:, :self.width]

    def array(self):
        """The picture as an RGB uint8 array (a copy)."""
        self.surface.flush()
        return self._pixels()[..., 2::-1].copy()

    def set_array(self, rgb, x=0, y=0):
        """Puts an RGB array into the picture with its top-left corner at (x, y)."""
        self.surface.flush()
        h, w = rgb.shape[:2]
        view = self._pixels()[y:y + h, x:x + w]
        view[..., 2::-1] = np.clip(np.rint(rgb), 0, 255).astype(np.uint8)
        view[..., 3] = 255
        self.surface.mark_dirty()

    def blend(self, alpha, colour, x=0, y=0, add=False):
        """Lays colour over the picture through a 0..1 coverage array.

        colour is one RGB triple or an RGB array of alpha's size; with add the
        colour is added (light), otherwise it covers (paint)."""
        h, w = alpha.shape
        base = self.array()[y:y + h, x:x + w].astype(np.float32)
        a = np.clip(alpha, 0.0, 1.0)[..., None]
        colour = np.asarray(colour, np.float32)
        out = base + colour * a if add else base * (1 - a) + colour * a
        self.set_array(out, x, y)

    def shape_alpha(self, draw, antialias=True):
        """Coverage (0..1) of whatever draw(ctx) fills, without touching the picture."""
        return shape_alpha(self.width, self.height, draw, antialias)

    def glow(self, draw, colour, radius, strength=1.0, add=True):
        """A soft halo of colour around the shape that draw(ctx) fills."""
        alpha = blur(self.shape_alpha(draw), radius) * strength
        self.blend(alpha, colour, add=add)


def shape_alpha(width, height, draw, antialias=True):
    surface = cairo.ImageSurface(cairo.FORMAT_A8, width, height)
    ctx = cairo.Context(surface)
    if not antialias:
        ctx.set_antialias(cairo.ANTIALIAS_NONE)
    draw(ctx)
    surface.flush()
    stride = surface.get_stride()
    data = np.ndarray((height, stride), np.uint8, surface.get_data())
    return data[:, :width].astype(np.float32) / 255.0


def blur(alpha, radius):
    """Gaussian blur of a 0..1 array."""
    image = Image.fromarray(np.clip(alpha * 255.0, 0, 255).astype(np.uint8), "L")
    image = image.filter(ImageFilter.GaussianBlur(radius))
    return np.asarray(image, np.float32) / 255.0


def text_alpha(size, text, font_path, font_size, centre):
    """Coverage of text with its ink box centred on centre (x, y)."""
    font = ImageFont.truetype(font_path, font_size)
    left, top, right, bottom = font.getbbox(text)
    image = Image.new("L", size, 0)
    x = centre[0] - (left + right) / 2.0
    y = centre[1] - (top + bottom) / 2.0
    ImageDraw.Draw(image).text((round(x), round(y)), text, fill=255, font=font)
    return np.asarray(image, np.float32) / 255.0


def rounded_rect(ctx, x, y, w, h, r):
    """Adds a rounded rectangle path."""
    r = min(r, w / 2.0, h / 2.0)
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 1.5 * math.pi)
    ctx.close_path()


def star_path(ctx, cx, cy, outer, inner, points=5, turn=-math.pi / 2):
    """Adds a star polygon path."""
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = turn + i * math.pi / points
        x, y = cx + r * math.cos(a), cy + r * math.sin(a)
        if i == 0:
            ctx.move_to(x, y)
        else:
            ctx.line_to(x, y)
    ctx.close_path()


def vertical_gradient(ctx, y0, y1, stops):
    """A cairo linear gradient from y0 to y1 through (offset, colour) stops."""
    gradient = cairo.LinearGradient(0, y0, 0, y1)
    for offset, colour in stops:
        gradient.add_color_stop_rgb(offset, *unit(colour))
    return gradient


def sparkle(canvas, x, y, size, colour, strength=1.0):
    """A four-pointed glint of light (additive)."""
    def draw(ctx):
        ctx.move_to(x, y - size)
        ctx.curve_to(x + size * 0.12, y - size * 0.12, x + size * 0.12, y - size * 0.12, x + size, y)
        ctx.curve_to(x + size * 0.12, y + size * 0.12, x + size * 0.12, y + size * 0.12, x, y + size)
        ctx.curve_to(x - size * 0.12, y + size * 0.12, x - size * 0.12, y + size * 0.12, x - size, y)
        ctx.curve_to(x - size * 0.12, y - size * 0.12, x - size * 0.12, y - size * 0.12, x, y - size)
        ctx.close_path()
        ctx.fill()
    alpha = canvas.shape_alpha(draw)
    alpha = np.maximum(alpha, blur(alpha, max(size * 0.35, 0.6)) * 0.8)
    canvas.blend(alpha * strength, colour, add=True)


def inner_distance(mask, max_radius):
    """For each pixel inside mask, how far (in whole pixels, up to max_radius)
    the nearest pixel outside it lies; 0 outside."""
    h, w = mask.shape
    padded = np.pad(mask, max_radius, constant_values=False)
    distance = mask.astype(np.int32)
    eroded = mask.copy()
    for r in range(1, max_radius):
        for dy in range(-r, r + 1):
            for dx in range(-r, r + 1):
                d2 = dx * dx + dy * dy
                if (r - 1) ** 2 < d2 <= r * r:
                    eroded &= padded[max_radius + dy:max_radius + dy + h,
                                     max_radius + dx:max_radius + dx + w]
        distance += eroded
    return distance


def bevel_light(mask, radius, light=(-0.6, -0.8)):
    """-1..1 lighting of a raised edge around mask, lit from the light direction."""
    soft = blur(mask.astype(np.float32), radius)
    gy, gx = np.gradient(soft)
    shade = -(gx * light[0] + gy * light[1]) * radius * 2.0
    return np.clip(shade, -1.0, 1.0) * mask
