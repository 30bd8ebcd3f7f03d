"""Night-garden ornaments for the frame: climbing vines with moonflowers, a
crescent moon and a faint constellation."""
import math

from palette import CREAM, GOLD, GOLD_LIGHT, TEAL, mix, unit
from raster import blur, sparkle

LEAF = mix(TEAL, (70, 150, 130), 0.35)
LEAF_EDGE = mix(TEAL, (180, 240, 215), 0.5)
STEM = mix(TEAL, (20, 30, 50), 0.2)


def _leaf(ctx, x, y, angle, size):
    ctx.save()
    ctx.translate(x, y)
    ctx.rotate(angle)
    ctx.move_to(0, 0)
    ctx.curve_to(size * 0.3, -size * 0.45, size * 0.8, -size * 0.35, size, 0)
    ctx.curve_to(size * 0.8, size * 0.35, size * 0.3, size * 0.45, 0, 0)
    ctx.close_path()
    ctx.restore()
    ctx.set_source_rgb(*unit(LEAF))
    ctx.fill_preserve()
    ctx.set_source_rgba(*unit(LEAF_EDGE), 0.8)
    ctx.set_line_width(0.8)
    ctx.stroke()


def _stem_point(points, t):
    """Point and direction at t (0..1) along a cubic Bezier of four points."""
    (x0, y0), (x1, y1), (x2, y2), (x3, y3) = points
    u = 1 - t
    x = u ** 3 * x0 + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t ** 3 * x3
    y = u ** 3 * y0 + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t ** 3 * y3
    dx = 3 * u * u * (x1 - x0) + 6 * u * t * (x2 - x1) + 3 * t * t * (x3 - x2)
    dy = 3 * u * u * (y1 - y0) + 6 * u * t * (y2 - y1) + 3 * t * t * (y3 - y2)
    return x, y, math.atan2(dy, dx)


def moonflower(canvas, x, y, size):
    """A pale five-petalled flower that gives off a soft light."""
    def petals(ctx):
        for k in range(5):
            a = k * 2 * math.pi / 5 - math.pi / 2
            ctx.save()
            ctx.translate(x, y)
            ctx.rotate(a)
            ctx.scale(size, size * 0.55)
            ctx.arc(0.55, 0, 0.55, 0, 2 * math.pi)
            ctx.restore()
            ctx.fill()
    alpha = canvas.shape_alpha(petals)
    canvas.blend(blur(alpha, size * 0.9) * 0.7, mix(CREAM, TEAL, 0.2), add=True)
    canvas.blend(alpha * 0.92, CREAM)
    ctx = canvas.ctx
    ctx.set_source_rgb(*unit(GOLD))
    ctx.arc(x, y, size * 0.22, 0, 2 * math.pi)
    ctx.fill()


def vine(canvas, points, leaves, flowers):
    """A stem along the Bezier points with leaves at the given t values and
    moonflowers (t, size) along it."""
    ctx = canvas.ctx
    ctx.set_source_rgb(*unit(STEM))
    ctx.set_line_width(1.6)
    ctx.move_to(*points[0])
    ctx.curve_to(*points[1], *points[2], *points[3])
    ctx.stroke()
    for i, t in enumerate(leaves):
        x, y, a = _stem_point(points, t)
        side = 1 if i % 2 else -1
        _leaf(ctx, x, y, a + side * 0.9, 9 + 3 * math.sin(i * 1.7))
    for t, size in flowers:
        x, y, _ = _stem_point(points, t)
        moonflower(canvas, x, y, size)


def crescent(canvas, x, y, radius):
    """A glowing crescent moon opening to the right."""
    def disc(ctx):
        ctx.arc(x, y, radius, 0, 2 * math.pi)
        ctx.fill()

    def shadow(ctx):
        ctx.arc(x + radius * 0.45, y - radius * 0.3, radius * 0.85, 0, 2 * math.pi)
        ctx.fill()
    canvas.glow(disc, mix(GOLD, CREAM, 0.5), radius * 0.8, 0.35)
    canvas.blend(canvas.shape_alpha(disc) * (1 - canvas.shape_alpha(shadow)), GOLD_LIGHT)


def constellation(canvas, stars):
    """Small stars joined by faint gold lines."""
    ctx = canvas.ctx
    ctx.set_source_rgba(*unit(GOLD), 0.35)
    ctx.set_line_width(0.7)
    ctx.move_to(*stars[0][:2])
    for x, y, _ in stars[1:]:
        ctx.line_to(x, y)
    ctx.stroke()
    for x, y, size in stars:
        sparkle(canvas, x, y, size, GOLD_LIGHT, 0.9)
