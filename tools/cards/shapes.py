"""Emblems as recorded shapes, so that one drawing can be painted in nine styles.

An emblem function draws with a Pen in emblem space; the pen keeps every filled or
stroked path together with its role ("ground", "body", "accent", "light", "dark" or
"line"). A style then decides how each role looks: outlined, glazed, cut from paper...
"""

import math
from contextlib import contextmanager
from dataclasses import dataclass

import cairo

ROLES = ("ground", "body", "accent", "light", "dark", "line")


@dataclass(frozen=True)
class Shape:
    role: str
    path: cairo.Path
    stroke_width: float | None   # None: a filled area; else a line of this width

    @property
    def is_line(self) -> bool:
        return self.stroke_width is not None

    def points(self) -> list[tuple[float, float]]:
        """The corner points of the path (curve control points left out)."""
        result = []
        for kind, coords in self.path:
            if kind in (cairo.PATH_MOVE_TO, cairo.PATH_LINE_TO):
                result.append(coords)
            elif kind == cairo.PATH_CURVE_TO:
                result.append(coords[4:6])
        return result


class Pen:
    """Records paths in emblem space; transforms apply to what is drawn inside them."""

    def __init__(self):
        self._ctx = cairo.Context(cairo.ImageSurface(cairo.FORMAT_A8, 1, 1))
        self.shapes: list[Shape] = []

    @contextmanager
    def moved(self, dx=0.0, dy=0.0, angle_deg=0.0, scale=1.0, mirror=False):
        saved = self._ctx.get_matrix()
        self._ctx.translate(dx, dy)
        self._ctx.rotate(math.radians(angle_deg))
        self._ctx.scale(-scale if mirror else scale, scale)
        try:
            yield self
        finally:
            self._ctx.set_matrix(saved)

    def _record(self, role: str, build, stroke_width):
        if role not in ROLES:
            raise ValueError(f"unknown role {role!r}")
        ctx = self._ctx
        matrix = ctx.get_matrix()
        ctx.new_path()
        build(ctx)
        ctx.identity_matrix()
        path = ctx.copy_path()
        ctx.set_matrix(matrix)
        if stroke_width is not None:
            stroke_width *= math.sqrt(abs(matrix.xx * matrix.yy - matrix.xy * matrix.yx))
        self.shapes.append(Shape(role, path, stroke_width))

    def fill(self, role: str, build) -> None:
        self._record(role, build, None)

    def stroke(self, role: str, width: float, build) -> None:
        self._record(role, build, width)

    # Common figures, each one call.
    def polygon(self, role: str, points) -> None:
        def build(ctx):
            ctx.move_to(*points[0])
            for p in points[1:]:
                ctx.line_to(*p)
            ctx.close_path()
        self.fill(role, build)

    def polyline(self, role: str, width: float, points) -> None:
        def build(ctx):
            ctx.move_to(*points[0])
            for p in points[1:]:
                ctx.line_to(*p)
        self.stroke(role, width, build)

    def circle(self, role: str, x: float, y: float, r: float) -> None:
        self.fill(role, lambda ctx: ctx.arc(x, y, r, 0, 2 * math.pi))

    def ring(self, role: str, width: float, x: float, y: float, r: float) -> None:
        self.stroke(role, width, lambda ctx: ctx.arc(x, y, r, 0, 2 * math.pi))

    def ellipse(self, role: str, x: float, y: float, rx: float, ry: float, angle_deg=0.0) -> None:
        with self.moved(x, y, angle_deg):
            self.fill(role, lambda ctx: (ctx.scale(rx, ry), ctx.arc(0, 0, 1, 0, 2 * math.pi)))

    def rect(self, role: str, x: float, y: float, w: float, h: float) -> None:
        self.fill(role, lambda ctx: ctx.rectangle(x, y, w, h))

    def curve(self, role: str, width: float, start, *segments) -> None:
        """A stroked Bezier curve: segments are (c1, c2, end) triples of points."""
        def build(ctx):
            ctx.move_to(*start)
            for c1, c2, end in segments:
                ctx.curve_to(*c1, *c2, *end)
        self.stroke(role, width, build)
