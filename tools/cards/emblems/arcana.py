"""Emblems of the twenty-two classical major arcana (cards 1 to 22).

Emblem space: x from -100 to 100, y from -110 (top) to 110 (bottom).
"""

import math

from emblems.registry import emblem
from emblems import motifs as m


@emblem
def fool(pen):
    pen.circle("light", -55, -72, 20)
    m.rays(pen, "line", -55, -72, 26, 38, 12, 2.5)
    pen.polygon("ground", [(8, m.GROUND), (8, 40), (30, 28), (62, 34), (m.EDGE, 26), (m.EDGE, m.GROUND)])
    # The traveller steps off the cliff edge, bindle over the shoulder, a rose in hand.
    pen.polyline("body", 6, [(32, 0), (24, 30)])
    pen.polyline("body", 6, [(42, 0), (6, 22)])
    pen.polygon("body", [(26, -44), (46, -44), (52, 2), (20, 2)])
    pen.circle("body", 36, -55, 10)
    pen.polygon("accent", [(25, -62), (47, -62), (44, -70), (36, -76), (28, -70)])
    pen.polyline("line", 3, [(30, -22), (78, -86)])
    pen.circle("accent", 80, -89, 11)
    pen.polyline("body", 5, [(44, -40), (58, -52)])
    pen.polyline("body", 5, [(28, -40), (8, -52)])
    pen.circle("light", 4, -56, 6)
    # The little dog leaping at his heels.
    pen.ellipse("accent", 66, 14, 16, 8, -15)
    pen.circle("accent", 82, 4, 7)
    pen.polygon("accent", [(80, -2), (86, -12), (88, 0)])
    pen.polyline("accent", 3, [(52, 18), (44, 8)])
    pen.polyline("accent", 3, [(60, 20), (56, 32)])
    pen.polyline("accent", 3, [(72, 18), (80, 30)])
    m.small_stars(pen, "light", [(-80, -20), (-30, -95), (-70, 20), (-20, -40)])


@emblem
def magician(pen):
    m.lemniscate(pen, "light", 5, 0, -90, 34)
    pen.polyline("body", 7, [(0, -58), (0, 14)])
    pen.circle("light", 0, -62, 7)
    m.sparkle(pen, "light", 0, -62, 18)
    m.rays(pen, "line", 0, -62, 24, 34, 12, 2)
    # The table with the four tools.
    pen.polygon("ground", [(-92, 40), (92, 40), (98, 58), (-98, 58)])
    pen.rect("ground", -84, 58, 10, 50)
    pen.rect("ground", 74, 58, 10, 50)
    m.goblet(pen, "accent", -62, 40, 34)
    pen.circle("light", -24, 26, 14)
    m.star(pen, "dark", -24, 26, 10)
    pen.polyline("light", 5, [(22, 38), (22, -2)])
    pen.polyline("light", 4, [(13, 8), (31, 8)])
    pen.circle("light", 22, -5, 4)
    pen.polyline("accent", 5, [(46, 38), (78, 8)])
    pen.circle("light", 80, 6, 4)
    m.flower(pen, "accent", "light", -80, -70, 10)
    m.flower(pen, "accent", "light", 80, -70, 10)
    m.small_stars(pen, "light", [(-45, -95), (45, -95), (-85, -30), (85, -40)])


@emblem
def high_priestess(pen):
    pen.rect("ground", -58, -72, 116, 150)
    for row in range(3):
        for col in range(3):
            pen.circle("accent", -36 + col * 36, -48 + row * 44, 7)
    m.pillar(pen, "dark", -76, -92, 100, 24)
    m.pillar(pen, "light", 76, -92, 100, 24)
    m.crescent(pen, "light", 0, -8, 40, thickness=0.42, facing_deg=-30)
    # The triple moon above: waxing, full and waning.
    pen.circle("light", 0, -94, 10)
    m.crescent(pen, "light", -24, -94, 9, thickness=0.5, facing_deg=180)
    m.crescent(pen, "light", 24, -94, 9, thickness=0.5, facing_deg=0)
    pen.rect("body", -30, 52, 60, 20)
    pen.circle("body", -30, 62, 10)
    pen.circle("body", 30, 62, 10)
    pen.polyline("dark", 2, [(-18, 58), (18, 58)])
    pen.polyline("dark", 2, [(-18, 65), (12, 65)])
    pen.rect("ground", -m.EDGE, 100, 2 * m.EDGE, m.GROUND - 100)


@emblem
def empress(pen):
    for i in range(12):
        x, y = m.polar(0, 10, 82, 200 + i * 140 / 11)
        m.star(pen, "light", x, y, 7)
    m.hills(pen, "ground", 78, 10, waves=1.5)
    # Wheat on both sides of the shield.
    for side in (-1, 1):
        pen.curve("line", 3, (side * 72, 104), ((side * 80, 60), (side * 70, 20), (side * 56, -20)))
        for i in range(6):
            gx, gy = side * (57 + i * 2.4), -18 + i * 13
            pen.ellipse("accent", gx - side * 6, gy, 7, 3.5, side * 35)
            pen.ellipse("accent", gx + side * 6, gy + 3, 7, 3.5, -side * 35)

    def shield(ctx):
        ctx.move_to(0, -40)
        ctx.curve_to(28, -56, 44, -40, 44, -20)
        ctx.curve_to(44, 20, 20, 44, 0, 64)
        ctx.curve_to(-20, 44, -44, 20, -44, -20)
        ctx.curve_to(-44, -40, -28, -56, 0, -40)
        ctx.close_path()
    pen.fill("body", shield)
    pen.ring("light", 5, 0, -6, 15)
    pen.polyline("light", 5, [(0, 9), (0, 40)])
    pen.polyline("light", 5, [(-12, 26), (12, 26)])


@emblem
def emperor(pen):
    m.mountains(pen, "ground", [(-70, -20), (-35, 10), (0, -40), (40, 0), (75, -30)])
    pen.polygon("body", [(-52, 60), (-52, -46), (-40, -62), (40, -62), (52, -46), (52, 60)])
    for side in (-1, 1):
        pen.circle("accent", side * 52, -54, 13)
        pen.circle("dark", side * 52, -54, 6)
    pen.rect("accent", -66, 52, 132, 16)
    pen.rect("ground", -58, 68, 116, 40)
    m.crown(pen, "light", 0, -58, 50, 26)
    pen.circle("light", -26, 10, 14)
    pen.polyline("light", 4, [(-26, -4), (-26, -16)])
    pen.polyline("light", 4, [(-32, -11), (-20, -11)])
    # The sceptre, an ankh.
    pen.polyline("light", 5, [(28, 44), (28, -12)])
    pen.polyline("light", 5, [(16, -14), (40, -14)])
    pen.ring("light", 4, 28, -27, 10)


@emblem
def hierophant(pen):
    m.pillar(pen, "ground", -78, -80, 100, 20)
    m.pillar(pen, "ground", 78, -80, 100, 20)
    # The triple crown.
    for tier, (width, y) in enumerate([(60, 2), (50, -22), (40, -46)]):
        pen.polygon("body", [(-width / 2, y), (width / 2, y), (width / 2 - 5, y - 24), (-width / 2 + 5, y - 24)])
        m.crown(pen, "light", 0, y - 1, width - 4, 8, spikes=4 + tier)
    pen.fill("body", lambda ctx: (ctx.move_to(-15, -70), ctx.curve_to(-15, -92, 15, -92, 15, -70), ctx.close_path()))
    pen.polyline("light", 4, [(0, -84), (0, -106)])
    pen.polyline("light", 4, [(-8, -98), (8, -98)])
    m.key(pen, "light", -44, 34, 90, 35)
    m.key(pen, "accent", 44, 34, 90, 145)
    for x in (-40, 0, 40):
        pen.circle("accent", x, -10, 4)


@emblem
def lovers(pen):
    pen.circle("light", 0, -82, 16)
    m.rays(pen, "line", 0, -82, 22, 34, 16, 2)
    m.wings(pen, "ground", 0, 0, 98, lift=8)
    m.heart(pen, "accent", -22, 12, 62)
    m.heart(pen, "body", 22, 12, 62)
    pen.curve("light", 4, (-90, 70), ((-40, 100), (-10, 30), (0, 40)), ((10, 50), (40, 100), (90, 70)))
    m.flower(pen, "light", "accent", -72, 82, 8)
    m.flower(pen, "light", "accent", 72, 82, 8)
    m.small_stars(pen, "light", [(-60, -70), (60, -70), (-85, -20), (85, -20)])


@emblem
def chariot(pen):
    pen.rect("body", -66, -82, 132, 18)
    m.small_stars(pen, "light", [(-48, -73), (-16, -73), (16, -73), (48, -73)], r=3.5)
    for x in (-58, 58):
        pen.polyline("line", 4, [(x, -64), (x, -6)])
    pen.polyline("line", 3, [(0, -82), (0, -104)])
    pen.polygon("accent", [(0, -104), (26, -97), (0, -90)])
    pen.polygon("body", [(-62, -8), (62, -8), (50, 44), (-50, 44)])
    pen.circle("light", 0, 14, 11)
    m.wings(pen, "light", 0, 14, 28, lift=4)
    for x in (-62, 62):
        pen.circle("ground", x, 44, 22)
        pen.ring("light", 4, x, 44, 22)
        m.rays(pen, "light", x, 44, 0, 20, 8, 3)
        pen.circle("light", x, 44, 6)
    # The two sphinxes, one dark and one light.
    for x, role in ((-34, "dark"), (34, "light")):
        pen.ellipse(role, x, 92, 22, 10)
        pen.circle(role, x + (10 if x < 0 else -10), 74, 9)
        pen.polygon(role, [(x - 14, 80), (x + 14, 80), (x + 10, 70), (x - 10, 70)])
    pen.rect("ground", -m.EDGE, 100, 2 * m.EDGE, m.GROUND - 100)


@emblem
def strength(pen):
    m.lemniscate(pen, "light", 5, 0, -92, 30)
    m.hills(pen, "ground", 88, 6, waves=1.0)
    # The lion, in profile, calmed by a gentle hand.
    pen.ellipse("body", 20, 26, 56, 28)
    for x in (-14, 6, 38, 58):
        pen.rect("body", x - 6, 40, 12, 44)
    pen.curve("body", 6, (72, 18), ((96, 10), (96, -30), (84, -44)))
    pen.circle("accent", 84, -46, 8)
    mane = [m.polar(-34, -6, 44 if i % 2 == 0 else 30, i * 360 / 22) for i in range(22)]
    pen.polygon("accent", mane)
    pen.circle("body", -36, -4, 24)
    pen.ellipse("body", -56, 6, 14, 10)
    pen.circle("dark", -42, -12, 3.5)
    pen.polyline("dark", 2.5, [(-66, 10), (-54, 12)])
    for i in range(5):
        fx, fy = -70 + i * 26, 2 + abs(i - 2) * 8
        m.flower(pen, "light", "accent", fx + 14, fy - 48 + i * 2, 6)


@emblem
def hermit(pen):
    m.small_stars(pen, "light", [(-80, -92), (-50, -60), (70, -95), (85, -60), (-85, -30), (30, -100)])
    m.mountains(pen, "ground", [(-60, 70), (-10, 44), (40, 66), (80, 50)])
    m.robed_figure(pen, "body", -10, 60, 150, hood=True,
                 arms=[(1, (40, 44)), (-1, (-36, 60))])
    pen.polyline("line", 4, [(-44, 10), (-52, 74)])
    pen.polyline("line", 3, [(30, -48), (44, -20)])
    pen.polygon("light", [(34, -20), (54, -20), (58, -8), (54, 14), (34, 14), (30, -8)])
    m.star(pen, "dark", 44, -3, 10, points=6, inner=0.58)
    m.rays(pen, "line", 44, -3, 22, 32, 12, 2)


@emblem
def wheel(pen):
    pen.ring("body", 8, 0, -2, 82)
    pen.ring("line", 3, 0, -2, 66)
    pen.circle("ground", 0, -2, 60)
    m.rays(pen, "light", 0, -2, 14, 60, 8, 5, phase_deg=22.5)
    pen.circle("light", 0, -2, 16)
    pen.circle("dark", 0, -2, 6)
    for i in range(4):
        x, y = m.polar(0, -2, 74, -90 + i * 90)
        pen.circle("accent", x, y, 9)
    for i in range(4):
        x, y = m.polar(0, -2, 74, -45 + i * 90)
        m.star(pen, "light", x, y, 6, points=4, inner=0.4, rotation=0)
    for x, y in ((-86, -96), (86, -96), (-86, 96), (86, 96)):
        m.cloud(pen, "ground", x, y + 8, 34, puffs=3)
        m.star(pen, "light", x, y - 2, 7)


@emblem
def justice(pen):
    pen.rect("ground", -70, -84, 140, 184)
    m.pillar(pen, "body", -80, -92, 100, 18)
    m.pillar(pen, "body", 80, -92, 100, 18)
    pen.polygon("light", [(0, -104), (7, -88), (7, 54), (-7, 54), (-7, -88)])
    pen.rect("accent", -24, 54, 48, 8)
    pen.rect("accent", -5, 62, 10, 24)
    pen.circle("accent", 0, 92, 8)
    pen.polyline("line", 4, [(-62, -34), (62, -34)])
    pen.circle("accent", 0, -34, 7)
    for side in (-1, 1):
        x = side * 56
        pen.polyline("line", 2, [(x, -34), (x - 22, 14)])
        pen.polyline("line", 2, [(x, -34), (x + 22, 14)])
        pen.fill("light", lambda ctx, x=x: (ctx.move_to(x - 26, 14), ctx.curve_to(x - 20, 32, x + 20, 32, x + 26, 14),
                                            ctx.close_path()))


@emblem
def hanged_man(pen):
    pen.rect("ground", -74, -98, 148, 14)
    pen.rect("ground", -74, -98, 14, 208)
    pen.rect("ground", 60, -98, 14, 208)
    for x, y in ((-66, -104), (-50, -104), (56, -104), (70, -104), (-70, -30), (70, 20)):
        pen.ellipse("accent", x, y, 8, 4, 30)
    pen.polyline("line", 3, [(0, -84), (0, -70)])
    pen.circle("light", 0, 56, 30)
    m.rays(pen, "line", 0, 56, 34, 46, 16, 2.5)
    # Hanging by one foot, the other leg crossed behind in a figure four.
    pen.polyline("body", 8, [(0, -70), (0, -16)])
    pen.polyline("body", 8, [(0, -44), (22, -44), (22, -20), (6, -16)])
    pen.polygon("body", [(-16, -16), (16, -16), (14, 36), (-14, 36)])
    pen.polygon("body", [(-14, 34), (-26, 10), (-20, 6)])
    pen.polygon("body", [(14, 34), (26, 10), (20, 6)])
    pen.circle("body", 0, 52, 13)


@emblem
def death(pen):
    pen.polygon("ground", [(-m.EDGE, 60), (m.EDGE, 60), (m.EDGE, m.GROUND), (-m.EDGE, m.GROUND)])
    m.tower(pen, "ground", -74, -6, 62, 24)
    m.tower(pen, "ground", 74, -6, 62, 24)
    pen.fill("light", lambda ctx: (ctx.arc(22, 60, 28, math.pi, 2 * math.pi), ctx.close_path()))
    m.sun_rays(pen, "light", 22, 60, 34, 48, 7, half_width_deg=4, phase_deg=-165, span_deg=150)
    m.waves(pen, "line", 2.5, 80, 3, 40)
    m.waves(pen, "line", 2.5, 94, 3, 50)
    m.robed_figure(pen, "body", -46, 62, 132, hood=True, arms=[(1, (38, 34))])
    pen.polyline("line", 4, [(-8, -98), (-8, 74)])
    pen.fill("light", lambda ctx: (ctx.move_to(-8, -96), ctx.curve_to(18, -104, 36, -84, 62, -94),
                                   ctx.line_to(62, -46), ctx.curve_to(36, -36, 18, -56, -8, -48), ctx.close_path()))
    m.flower(pen, "dark", "accent", 26, -72, 14)


@emblem
def temperance(pen):
    m.wings(pen, "ground", 0, -30, 96, lift=18)
    pen.circle("light", 56, -86, 12)
    m.rays(pen, "line", 56, -86, 16, 24, 10, 2)
    pen.ellipse("ground", 0, 92, 86, 16)
    m.waves(pen, "line", 2, 92, 2, 24, -70, 70)
    m.goblet(pen, "accent", -52, -10, 40, angle_deg=50)
    m.goblet(pen, "accent", 44, 62, 40)
    pen.curve("light", 6, (-10, -26), ((14, -44), (38, -22), (44, 16)))
    for i, x in enumerate((-80, -66, 66, 80)):
        pen.polyline("line", 2.5, [(x, 100), (x, 74 - (i % 2) * 8)])
        m.flower(pen, "accent", "light", x, 70 - (i % 2) * 8, 9, petals=3)


@emblem
def devil(pen):
    m.wings(pen, "ground", 0, -24, 96, lift=24)
    m.star(pen, "light", 0, -88, 16, rotation=90)
    pen.polygon("body", [(-16, -60), (-30, -84), (-10, -66)])
    pen.polygon("body", [(16, -60), (30, -84), (10, -66)])
    pen.circle("body", 0, -44, 22)
    pen.polygon("dark", [(-12, -50), (-4, -46), (-12, -42)])
    pen.polygon("dark", [(12, -50), (4, -46), (12, -42)])
    pen.polygon("body", [(-24, -24), (24, -24), (30, 18), (-30, 18)])
    pen.rect("accent", -36, 18, 72, 40)
    pen.ring("light", 3, 0, 38, 8)
    # Loose chains that hold nobody.
    for side in (-1, 1):
        pen.curve("line", 3, (side * 8, 42), ((side * 20, 80), (side * 40, 60), (side * 50, 72)))
        m.robed_figure(pen, "body", side * 62, 104, 46, arms=[(side, (side * 14, 28))])
    for x in (-70, 70):
        pen.polygon("accent", [(x - 6, -10), (x + 6, -10), (x + 3, 14), (x - 3, 14)])
        pen.fill("light", lambda ctx, x=x: (ctx.move_to(x, -34), ctx.curve_to(x + 12, -20, x + 6, -10, x, -10),
                                            ctx.curve_to(x - 6, -10, x - 12, -20, x, -34), ctx.close_path()))


@emblem
def tower(pen):
    m.small_stars(pen, "light", [(-80, -40), (70, -100), (-40, -96), (86, -20)])
    pen.polygon("ground", [(-m.EDGE, m.GROUND), (-m.EDGE, 80), (-80, 74), (-40, 64), (-20, 70), (24, 62), (60, 72),
                           (m.EDGE, 66), (m.EDGE, m.GROUND)])
    pen.polygon("body", [(-34, 70), (-26, -56), (26, -56), (34, 70)])
    for i in range(3):
        pen.rect("body", -26 + i * 20, -66, 12, 12)
    for x, y in ((-10, -30), (10, 0), (-10, 30)):
        pen.fill("dark", lambda ctx, x=x, y=y: (ctx.move_to(x - 6, y + 12), ctx.arc(x, y, 6, math.pi, 2 * math.pi),
                                               ctx.line_to(x + 6, y + 12), ctx.close_path()))
        pen.polygon("accent", [(x - 4, y + 2), (x + 10, y - 10), (x + 4, y + 6)])
    m.crown(pen, "light", 52, -74, 30, 18, spikes=3)
    pen.polygon("light", [(-90, -110), (-48, -110), (-56, -92), (-30, -92), (-60, -62), (-48, -62), (-16, -58),
                          (-66, -76), (-58, -76)])
    pen.polygon("accent", [(-26, -62), (-10, -86), (-4, -68), (6, -92), (14, -66), (26, -62)])
    for x, y in ((-70, -10), (60, 10), (-56, 30), (74, -44), (48, 40)):
        pen.polygon("accent", [(x, y - 6), (x + 4, y), (x, y + 6), (x - 4, y)])


@emblem
def star(pen):
    _eight_point_star(pen, "light", 0, -38, 42)
    for i in range(7):
        x, y = m.polar(0, -10, 88, 200 + i * 140 / 6)
        _eight_point_star(pen, "light", x, y, 11)
    pen.ellipse("ground", 0, 88, 92, 20)
    m.waves(pen, "line", 2, 86, 2, 20, -70, 70)
    m.waves(pen, "line", 2, 96, 2, 26, -50, 50)
    m.goblet(pen, "accent", -46, 54, 30, angle_deg=150)
    m.goblet(pen, "accent", 46, 54, 30, angle_deg=-150)
    pen.curve("light", 3, (-58, 52), ((-64, 62), (-58, 72), (-50, 82)))
    pen.curve("light", 3, (58, 52), ((64, 62), (58, 72), (50, 82)))


def _eight_point_star(pen, role, x, y, r):
    m.star(pen, role, x, y, r, points=8, inner=0.45)


@emblem
def moon(pen):
    m.small_stars(pen, "light", [(-84, -96), (84, -96), (-90, -50), (90, -56)])
    m.rays(pen, "line", 0, -60, 38, 52, 16, 2.5)
    pen.circle("light", 0, -60, 34)
    m.crescent(pen, "accent", 0, -60, 34, thickness=0.35, facing_deg=0)
    m.tower(pen, "ground", -76, -8, 110, 26)
    m.tower(pen, "ground", 76, -8, 110, 26)
    pen.polygon("ground", [(-m.EDGE, 70), (m.EDGE, 70), (m.EDGE, m.GROUND), (-m.EDGE, m.GROUND)])
    pen.curve("accent", 8, (0, 100), ((20, 70), (-24, 40), (4, 6)))
    # The dog and the wolf howling at the moon.
    m.howling_dog(pen, "body", -40, 66, 40, facing=1)
    m.howling_dog(pen, "dark", 40, 66, 40, facing=-1)
    pen.ellipse("light", 0, 96, 26, 7)
    pen.ellipse("accent", 0, 94, 7, 4)


@emblem
def sun(pen):
    m.sun_rays(pen, "accent", 0, -42, 44, 70, 12, half_width_deg=7)
    m.sun_rays(pen, "light", 0, -42, 44, 58, 12, half_width_deg=5, phase_deg=15)
    pen.circle("light", 0, -42, 40)
    pen.fill("dark", lambda ctx: ctx.arc(-14, -48, 6, 0, math.pi))
    pen.fill("dark", lambda ctx: ctx.arc(14, -48, 6, 0, math.pi))
    pen.curve("dark", 3, (-12, -28), ((-4, -22), (4, -22), (12, -28)))
    pen.circle("accent", -24, -34, 5)
    pen.circle("accent", 24, -34, 5)
    pen.rect("ground", -m.EDGE, 62, 2 * m.EDGE, m.GROUND - 62)
    for row in range(4):
        for col in range(11):
            offset = 13 if row % 2 else 0
            pen.rect("dark", -m.EDGE + col * 26 + offset, 64 + row * 15, 2, 13)
        pen.rect("dark", -m.EDGE, 77 + row * 15, 2 * m.EDGE, 2)
    for i, x in enumerate((-72, -26, 26, 72)):
        top = 28 + (i % 2) * 10
        pen.polyline("line", 3, [(x, 64), (x, top)])
        m.flower(pen, "accent", "dark", x, top, 18, petals=10)


@emblem
def judgement(pen):
    for i in range(7):
        a = -90 + (i - 3) * 14
        pen.polyline("line", 2.5, [m.polar(0, -86, 20, a), m.polar(0, -86, 90, a)])
    m.cloud(pen, "ground", -40, -56, 120)
    m.cloud(pen, "ground", 44, -70, 110)
    pen.polygon("light", [(-30, -76), (-24, -84), (46, -4), (58, 4), (40, 20), (32, 4)])
    pen.polygon("accent", [(2, -44), (-38, -4), (-8, 30), (30, -12)])
    pen.polyline("light", 4, [(-18, -24), (8, 4)])
    pen.polyline("light", 4, [(-4, -6), (-12, 4)])
    pen.polyline("light", 4, [(-6, -24), (10, -14)])
    pen.polygon("ground", [(-m.EDGE, 72), (-60, 60), (0, 70), (60, 58), (m.EDGE, 68), (m.EDGE, m.GROUND),
                           (-m.EDGE, m.GROUND)])
    for x in (-50, 0, 50):
        m.robed_figure(pen, "body", x, 92, 48, arms=[(-1, (-14, 0)), (1, (14, 0))])


@emblem
def world(pen):
    for i in range(36):
        a = i * 10
        x, y = 58 * math.cos(math.radians(a)), -2 + 82 * math.sin(math.radians(a))
        tangent = math.degrees(math.atan2(82 * math.cos(math.radians(a)), -58 * math.sin(math.radians(a))))
        pen.ellipse("accent", x, y, 9, 4, tangent + (25 if i % 2 else -25))
    pen.polyline("light", 4, [(-10, -90), (10, -78)])
    pen.polyline("light", 4, [(10, -90), (-10, -78)])
    pen.polyline("light", 4, [(-10, 74), (10, 86)])
    pen.polyline("light", 4, [(10, 74), (-10, 86)])
    pen.circle("body", 0, -2, 34)
    pen.stroke("light", 2.5, lambda ctx: (ctx.save(), ctx.translate(0, -2), ctx.scale(14, 34),
                                          ctx.arc(0, 0, 1, 0, 2 * math.pi), ctx.restore()))
    pen.polyline("light", 2.5, [(0, -36), (0, 32)])
    pen.polyline("light", 2.5, [(-34, -2), (34, -2)])
    pen.curve("light", 2, (-30, -18), ((-10, -14), (10, -14), (30, -18)))
    pen.curve("light", 2, (-30, 14), ((-10, 10), (10, 10), (30, 14)))
    for x, y, sides in ((-84, -94, 3), (84, -94, 4), (-84, 92, 5), (84, 92, 6)):
        pen.circle("ground", x, y, 13)
        m.star(pen, "light", x, y, 9, points=sides, inner=0.5)
