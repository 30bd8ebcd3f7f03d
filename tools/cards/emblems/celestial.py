"""Emblems of the title card and of the seven celestial cards (23 to 29).

Emblem space: x from -100 to 100, y from -110 (top) to 110 (bottom).
"""

import math

from emblems.registry import emblem
from emblems import motifs as m


@emblem
def wishing_moon(pen):
    m.small_stars(pen, "light", [(-80, -96), (70, -100), (88, -40), (-88, 10), (50, 40), (-40, -100)])
    m.crescent(pen, "light", -18, -18, 66, thickness=0.5, facing_deg=-20)
    m.sparkle(pen, "light", 34, -26, 30)
    m.rays(pen, "line", 34, -26, 36, 48, 8, 2.5, phase_deg=22.5)
    # A trail of little wishes rising to the star.
    pen.curve("line", 2.5, (-84, 84), ((-40, 70), (10, 40), (24, 4)))
    for i, (x, y) in enumerate(((-70, 78), (-44, 66), (-18, 50), (4, 30))):
        m.sparkle(pen, "light", x, y, 4 + i * 1.5)
    m.waves(pen, "accent", 3, 92, 3, 36)
    m.waves(pen, "accent", 2, 104, 2.5, 44, -80, 80)
    pen.ellipse("light", 30, 98, 18, 3)


@emblem
def comet(pen):
    m.small_stars(pen, "light", [(-80, -92), (-40, -60), (84, 10), (10, -100), (-86, -20), (30, 16)])

    def tail(ctx, spread):
        ctx.move_to(64, -72)
        ctx.curve_to(20, -60 + spread, -40, -10 + spread, -m.EDGE, 52 + spread * 1.5)
        ctx.line_to(-m.EDGE, 52 - spread * 1.5)
        ctx.curve_to(-40, -24 - spread, 20, -78 - spread * 0.3, 64, -72)
        ctx.close_path()
    pen.fill("body", lambda ctx: tail(ctx, 22))
    pen.fill("accent", lambda ctx: tail(ctx, 10))
    for offset in (-14, 0, 14):
        pen.curve("line", 2, (58, -72 + offset * 0.2),
                  ((10, -56 + offset), (-40, -14 + offset), (-m.EDGE, 50 + offset * 1.4)))
    pen.circle("light", 64, -72, 14)
    m.sparkle(pen, "light", 64, -72, 30)
    # A great wave rolling under the sky.
    pen.fill("ground", lambda ctx: (ctx.move_to(-m.EDGE, m.GROUND), ctx.line_to(-m.EDGE, 76),
                                    ctx.curve_to(-60, 40, -10, 30, 20, 56),
                                    ctx.curve_to(34, 40, 60, 34, 70, 50),
                                    ctx.curve_to(58, 50, 52, 62, 60, 70),
                                    ctx.curve_to(76, 60, 90, 64, m.EDGE, 60),
                                    ctx.line_to(m.EDGE, m.GROUND), ctx.close_path()))
    m.waves(pen, "line", 2.5, 84, 3, 30)
    m.waves(pen, "line", 2.5, 98, 3, 40)
    for x, y in ((24, 52), (36, 46), (50, 44), (64, 48)):
        pen.circle("light", x, y, 3)


@emblem
def milky_way(pen):
    def band(ctx):
        ctx.move_to(100, -110)
        ctx.curve_to(40, -60, 40, -20, 0, 0)
        ctx.curve_to(-40, 20, -60, 60, -100, 110)
        ctx.line_to(-100, 50)
        ctx.curve_to(-70, 20, -50, -20, -20, -40)
        ctx.curve_to(10, -60, 40, -90, 60, -110)
        ctx.close_path()
    pen.fill("ground", band)
    for i in range(46):
        t = i / 45
        x = 80 - 180 * t + 20 * math.sin(t * 9.0)
        y = -110 + 220 * t + 14 * math.cos(t * 13.0) - 40 * math.sin(t * math.pi)
        pen.circle("light", x, y, 1.6 + (i * 7 % 5) * 0.6)
    m.star(pen, "light", -58, -64, 16, points=8, inner=0.4)
    m.star(pen, "light", 60, 60, 14, points=8, inner=0.4)
    pen.circle("accent", -58, -64, 5)
    pen.circle("accent", 60, 60, 5)
    for x, y in ((-70, 90), (-84, 60), (80, -90), (84, -50)):
        m.star(pen, "light", x, y, 3.5, points=4, inner=0.35, rotation=0)


@emblem
def pole_star(pen):
    for r in (34, 56, 78):
        pen.stroke("line", 2, lambda ctx, r=r: ctx.arc(0, -70, r, math.radians(10), math.radians(170)))
    m.star(pen, "light", 0, -70, 22, points=8, inner=0.3)
    pen.circle("light", 0, -70, 6)
    dipper = [(-76, 40), (-54, 30), (-34, 34), (-14, 26), (-4, 50), (26, 54), (30, 30)]
    pen.polyline("line", 2, dipper[:4] + [dipper[4], dipper[5], dipper[6], dipper[3]])
    for x, y in dipper:
        m.star(pen, "light", x, y, 6, points=4, inner=0.35, rotation=0)
    for i in range(5):
        t0, t1 = 0.1 + i * 0.17, 0.18 + i * 0.17
        pen.polyline("line", 1.5, [(30 - 30 * t0, 30 - 100 * t0), (30 - 30 * t1, 30 - 100 * t1)])
    pen.polygon("ground", [(-m.EDGE, m.GROUND), (-m.EDGE, 86), (-70, 78), (-40, 84), (0, 76), (40, 82), (70, 74),
                           (m.EDGE, 82), (m.EDGE, m.GROUND)])
    for x in (-80, -62, 64, 84):
        pen.polygon("ground", [(x, 50), (x + 9, 80), (x - 9, 80)])
    pen.circle("body", 0, 96, 10)
    m.star(pen, "light", 0, 96, 8, points=4, inner=0.25, rotation=-90)


@emblem
def eclipse(pen):
    m.rays(pen, "line", 0, -18, 50, 92, 36, 2.5, alternate=0.6)
    m.sun_rays(pen, "light", 0, -18, 44, 70, 12, half_width_deg=4)
    pen.circle("light", 0, -18, 47)
    pen.circle("dark", 0, -18, 42)
    pen.ring("accent", 2, 0, -18, 58)
    m.small_stars(pen, "light", [(-84, -96), (80, -96), (-90, 40), (88, 36)])
    pen.polygon("ground", [(-m.EDGE, m.GROUND), (-m.EDGE, 80), (-60, 60), (-30, 70), (0, 56), (30, 68), (64, 58),
                           (m.EDGE, 76), (m.EDGE, m.GROUND)])
    m.waves(pen, "line", 2, 92, 2.5, 34, -90, 90)


@emblem
def aurora(pen):
    m.small_stars(pen, "light", [(-84, -100), (-30, -104), (40, -96), (86, -84), (-60, -20), (70, -10)])
    for i, (role, y, drop) in enumerate((("body", -74, 58), ("accent", -50, 50), ("light", -26, 40))):
        def curtain(ctx, y=y, drop=drop, i=i):
            xs = [x * 6 for x in range(-22, 23)]
            top = [(x, y + 16 * math.sin(x / 30 + i * 1.7)) for x in xs]
            ctx.move_to(*top[0])
            for p in top[1:]:
                ctx.line_to(*p)
            for x, py in reversed(top):
                fold = 0.55 + 0.45 * math.sin(x / 7 + i * 2.3) * math.sin(x / 23 + i)
                ctx.line_to(x, py + 10 + drop * abs(fold))
            ctx.close_path()
        pen.fill(role, curtain)
    m.mountains(pen, "ground", [(-70, 40), (-30, 14), (10, 44), (56, 20), (90, 40)])
    for i, x in enumerate(range(-126, 130, 18)):
        h = 30 + (i * 7) % 16
        pen.polygon("dark", [(x, 110 - h - 30), (x + 10, 110 - 26), (x - 10, 110 - 26)])
        pen.polygon("dark", [(x, 110 - h - 16), (x + 13, 110 - 12), (x - 13, 110 - 12)])
    pen.rect("dark", -m.EDGE, 98, 2 * m.EDGE, m.GROUND - 98)


@emblem
def saturn(pen):
    m.small_stars(pen, "light", [(-84, -96), (80, -100), (-90, 70), (86, 80), (-40, 90), (50, -70)])
    ring = dict(rx=92, ry=24, tilt=-14)

    def ring_half(ctx, start, end, r_scale):
        ctx.save()
        ctx.translate(0, -4)
        ctx.rotate(math.radians(ring["tilt"]))
        ctx.scale(ring["rx"] * r_scale, ring["ry"] * r_scale)
        ctx.arc(0, 0, 1, start, end)
        ctx.restore()
    for scale, role, width in ((1.0, "light", 6), (0.82, "accent", 5)):
        pen.stroke(role, width, lambda ctx, s=scale: ring_half(ctx, math.pi, 2 * math.pi, s))
    pen.circle("body", 0, -4, 44)
    for y, h in ((-30, 8), (-12, 6), (8, 9), (26, 5)):
        pen.fill("accent", lambda ctx, y=y, h=h: _disc_band(ctx, 0, -4, 44, y, y + h))
    for scale, role, width in ((1.0, "light", 6), (0.82, "accent", 5)):
        pen.stroke(role, width, lambda ctx, s=scale: ring_half(ctx, 0, math.pi, s))
    pen.circle("light", -70, -70, 7)
    pen.circle("accent", 74, 52, 5)
    pen.circle("light", 30, 84, 3.5)


@emblem
def moonbow(pen):
    m.small_stars(pen, "light", [(-84, -100), (84, -96), (-50, -70), (60, -60), (-88, -30), (88, -20)])
    pen.circle("light", 0, -84, 16)
    m.crescent(pen, "accent", 0, -84, 16, thickness=0.5, facing_deg=200)
    for r, role in ((88, "accent"), (76, "light"), (64, "body")):
        pen.stroke(role, 10, lambda ctx, r=r: ctx.arc(0, 60, r, math.pi, 2 * math.pi))
    pen.polygon("ground", [(-m.EDGE, m.GROUND), (-m.EDGE, 40), (-40, 34), (-20, 44), (-20, m.GROUND)])
    pen.polygon("ground", [(m.EDGE, m.GROUND), (m.EDGE, 46), (40, 40), (20, 48), (20, m.GROUND)])
    for x in (-14, -6, 2, 10):
        pen.polyline("light", 3, [(x, 46), (x + 2, 96)])
    pen.ellipse("body", 0, 100, 40, 8)
    m.waves(pen, "line", 2, 102, 2, 16, -34, 34)


def _disc_band(ctx, cx, cy, r, y0, y1):
    """The part of a disc between the heights y0 and y1 (both inside the disc)."""
    a0, a1 = math.asin((y0 - cy) / r), math.asin((y1 - cy) / r)
    ctx.arc(cx, cy, r, a0, a1)
    ctx.arc(cx, cy, r, math.pi - a1, math.pi - a0)
    ctx.close_path()
