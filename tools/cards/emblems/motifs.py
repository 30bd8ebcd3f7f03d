"""Small figures that several emblems share: stars, moons, hearts, cups, wings, people..."""

import math

TAU = 2 * math.pi

# Landscapes reach past the sides and the bottom of emblem space, so that on the card they run
# on under the border and the banner instead of ending in the middle of the field.
EDGE = 134.0
GROUND = 192.0


def polar(x, y, r, angle_deg):
    a = math.radians(angle_deg)
    return (x + r * math.cos(a), y + r * math.sin(a))


def star(pen, role, x, y, r, points=5, inner=0.42, rotation=-90.0):
    corners = []
    for i in range(points * 2):
        radius = r if i % 2 == 0 else r * inner
        corners.append(polar(x, y, radius, rotation + i * 180 / points))
    pen.polygon(role, corners)


def sparkle(pen, role, x, y, r, rotation=0.0):
    """A four-pointed twinkle with curved sides."""
    tips = [polar(x, y, r, rotation + 90 * i) for i in range(4)]

    def build(ctx):
        ctx.move_to(*tips[0])
        for i in range(4):
            a, b = tips[i], tips[(i + 1) % 4]
            pull = 0.18
            ctx.curve_to(x + (a[0] - x) * pull, y + (a[1] - y) * pull,
                         x + (b[0] - x) * pull, y + (b[1] - y) * pull, *b)
        ctx.close_path()
    pen.fill(role, build)


def crescent(pen, role, x, y, r, thickness=0.45, facing_deg=0.0):
    """A crescent moon whose hollow side faces facing_deg (0 = to the right)."""
    d = r * thickness * 1.25
    inner = r * 0.92
    ix = (r * r - inner * inner + d * d) / (2 * d)
    iy = math.sqrt(max(r * r - ix * ix, 0.0))
    outer_start = math.atan2(iy, ix)
    inner_start = math.atan2(iy, ix - d)

    def build(ctx):
        ctx.translate(x, y)
        ctx.rotate(math.radians(facing_deg))
        ctx.arc(0, 0, r, outer_start, TAU - outer_start)
        ctx.arc_negative(d, 0, inner, TAU - inner_start, inner_start)
        ctx.close_path()
    pen.fill(role, build)


def heart(pen, role, x, y, size):
    s = size / 2

    def build(ctx):
        ctx.move_to(x, y + s * 0.95)
        ctx.curve_to(x - s * 1.25, y + s * 0.1, x - s * 0.95, y - s * 1.05, x, y - s * 0.42)
        ctx.curve_to(x + s * 0.95, y - s * 1.05, x + s * 1.25, y + s * 0.1, x, y + s * 0.95)
        ctx.close_path()
    pen.fill(role, build)


def goblet(pen, role, x, y, size, angle_deg=0.0):
    """A cup standing with its foot at (x, y)."""
    s = size
    with pen.moved(x, y, angle_deg):
        pen.polygon(role, [(-0.5 * s, -s), (0.5 * s, -s), (0.42 * s, -0.62 * s), (0.14 * s, -0.42 * s),
                           (0.08 * s, -0.12 * s), (0.34 * s, 0), (-0.34 * s, 0), (-0.08 * s, -0.12 * s),
                           (-0.14 * s, -0.42 * s), (-0.42 * s, -0.62 * s)])


def wing(pen, role, x, y, span, lift=0.0, mirror=False):
    """One feathered wing growing from (x, y) towards the right (or left when mirrored)."""
    with pen.moved(x, y, -lift if not mirror else lift, mirror=mirror):
        def build(ctx):
            ctx.move_to(0, 0)
            ctx.curve_to(span * 0.3, -span * 0.55, span * 0.75, -span * 0.62, span, -span * 0.7)
            feathers = 5
            for i in range(feathers):
                t0, t1 = i / feathers, (i + 1) / feathers
                ax, ay = span * (1 - 0.55 * t0), -span * (0.7 - 0.62 * t0)
                bx, by = span * (1 - 0.55 * t1) - span * 0.1 * t1, -span * (0.7 - 0.62 * t1) + span * 0.12
                ctx.curve_to(ax, ay + span * 0.12, bx + span * 0.12, by, bx, by)
            ctx.curve_to(span * 0.25, span * 0.1, span * 0.08, span * 0.08, 0, 0)
            ctx.close_path()
        pen.fill(role, build)


def wings(pen, role, x, y, span, lift=10.0):
    wing(pen, role, x + 4, y, span, lift)
    wing(pen, role, x - 4, y, span, lift, mirror=True)


def cloud(pen, role, x, y, width, puffs=4):
    height = width * 0.32
    r = width / (puffs + 1)

    def build(ctx):
        ctx.move_to(x - width / 2, y)
        for i in range(puffs):
            cx = x - width / 2 + r * (i + 1)
            bump = r * (1.0 + 0.35 * math.sin(i * 2.1 + 1))
            ctx.arc(cx, y - height * 0.25, bump, math.pi, TAU)
        ctx.line_to(x + width / 2, y)
        ctx.close_path()
    pen.fill(role, build)


def flower(pen, petal_role, heart_role, x, y, r, petals=5, rotation=-90.0):
    for i in range(petals):
        px, py = polar(x, y, r * 0.55, rotation + i * 360 / petals)
        pen.ellipse(petal_role, px, py, r * 0.5, r * 0.3, rotation + i * 360 / petals)
    pen.circle(heart_role, x, y, r * 0.32)


def rays(pen, role, x, y, r0, r1, count, width, phase_deg=0.0, alternate=1.0):
    for i in range(count):
        end = r1 if i % 2 == 0 else r0 + (r1 - r0) * alternate
        a = phase_deg + i * 360 / count
        pen.polyline(role, width, [polar(x, y, r0, a), polar(x, y, end, a)])


def sun_rays(pen, role, x, y, r0, r1, count, half_width_deg=6.0, phase_deg=0.0, span_deg=360.0):
    """Triangular rays around a sun disc (or over part of it, from phase_deg across span_deg)."""
    step = span_deg / count if span_deg >= 360 else span_deg / (count - 1)
    for i in range(count):
        a = phase_deg + i * step
        pen.polygon(role, [polar(x, y, r0, a - half_width_deg), polar(x, y, r1, a),
                           polar(x, y, r0, a + half_width_deg)])


def lemniscate(pen, role, width, x, y, half_length):
    def build(ctx):
        for i in range(65):
            t = i / 64 * TAU
            d = 1 + math.sin(t) ** 2
            px, py = x + half_length * math.cos(t) / d, y + half_length * math.sin(t) * math.cos(t) / d
            (ctx.move_to if i == 0 else ctx.line_to)(px, py)
        ctx.close_path()
    pen.stroke(role, width, build)


def robed_figure(pen, role, x, feet_y, height, arms=None, hood=False, head_role=None):
    """A person in a long robe standing with feet at (x, feet_y).

    arms: list of (shoulder side -1 or 1, hand point relative to the figure's top) drawn as
    thick lines from the shoulder.
    """
    h = height
    top = feet_y - h
    head_r = h * 0.095
    shoulder_y = top + h * 0.24
    pen.polygon(role, [(x - h * 0.1, shoulder_y), (x + h * 0.1, shoulder_y), (x + h * 0.13, shoulder_y + h * 0.1),
                       (x + h * 0.22, feet_y), (x - h * 0.22, feet_y), (x - h * 0.13, shoulder_y + h * 0.1)])
    for side, (hx, hy) in arms or []:
        pen.polyline(role, h * 0.07, [(x + side * h * 0.1, shoulder_y + h * 0.03), (x + hx, top + hy)])
    if hood:
        pen.polygon(role, [(x, top - head_r * 0.6), (x + head_r * 1.5, shoulder_y + h * 0.02),
                           (x - head_r * 1.5, shoulder_y + h * 0.02)])
        pen.circle("dark", x, top + head_r * 1.3, head_r * 0.75)
    else:
        pen.circle(head_role or role, x, top + head_r * 1.1, head_r)


def pillar(pen, role, x, top, bottom, width):
    pen.rect(role, x - width / 2, top + 8, width, bottom - top - 16)
    pen.rect(role, x - width * 0.7, top, width * 1.4, 9)
    pen.rect(role, x - width * 0.7, bottom - 9, width * 1.4, 9)


def key(pen, role, x, y, length, angle_deg):
    """A key with its bow at (x, y), pointing along angle_deg."""
    with pen.moved(x, y, angle_deg):
        pen.ring(role, length * 0.07, 0, 0, length * 0.16)
        pen.polyline(role, length * 0.08, [(length * 0.16, 0), (length, 0)])
        pen.rect(role, length * 0.78, 0, length * 0.08, length * 0.2)
        pen.rect(role, length * 0.92, 0, length * 0.08, length * 0.26)


def crown(pen, role, x, base_y, width, height, spikes=5):
    w, h = width / 2, height
    corners = [(x - w, base_y)]
    for i in range(spikes * 2 - 1):
        cx = x - w + width * (i + 1) / (spikes * 2)
        corners.append((cx, base_y - h if i % 2 == 0 else base_y - h * 0.5))
    corners.append((x + w, base_y))
    pen.polygon(role, [(x - w, base_y - h * 0.55)] + corners + [(x + w, base_y - h * 0.55)])


def tower(pen, role, x, top, bottom, width, window_role="dark"):
    w = width / 2
    pen.polygon(role, [(x - w, bottom), (x - w * 0.88, top), (x + w * 0.88, top), (x + w, bottom)])
    merlon = width / 5
    for i in range(3):
        pen.rect(role, x - w * 0.88 + i * 2 * merlon, top - merlon * 0.9, merlon, merlon)
    pen.fill(window_role, lambda ctx: (ctx.move_to(x - w * 0.25, top + width * 0.9),
                                       ctx.arc(x, top + width * 0.55, w * 0.25, math.pi, TAU),
                                       ctx.line_to(x + w * 0.25, top + width * 0.9), ctx.close_path()))


def mountains(pen, role, peaks, base_y=GROUND):
    """A mountain range through the given (x, top) peaks, closed down to base_y."""
    points = [(-EDGE, base_y), (-EDGE, peaks[0][1] + 30)] + list(peaks) + [(EDGE, peaks[-1][1] + 30), (EDGE, base_y)]
    pen.polygon(role, points)


def hills(pen, role, y, amplitude, waves=2.0, phase=0.0, base_y=GROUND):
    def build(ctx):
        ctx.move_to(-EDGE, base_y)
        for i in range(41):
            px = -EDGE + i * EDGE / 20
            ctx.line_to(px, y - amplitude * math.sin(phase + waves * math.pi * i / 40))
        ctx.line_to(EDGE, base_y)
        ctx.close_path()
    pen.fill(role, build)


def waves(pen, role, width, y, amplitude, length, x0=-100.0, x1=100.0):
    def build(ctx):
        steps = int((x1 - x0) / 3)
        for i in range(steps + 1):
            px = x0 + (x1 - x0) * i / steps
            py = y + amplitude * math.sin((px - x0) / length * TAU)
            (ctx.move_to if i == 0 else ctx.line_to)(px, py)
    pen.stroke(role, width, build)


def small_stars(pen, role, positions, r=3.0):
    for i, (x, y) in enumerate(positions):
        star(pen, role, x, y, r * (1.0 + 0.35 * (i % 3)), points=4, inner=0.35, rotation=0)


def howling_dog(pen, role, x, ground_y, size, facing=1):
    """A dog sitting on its haunches with its muzzle raised, looking towards facing (1 right)."""
    with pen.moved(x, ground_y, scale=size / 40, mirror=facing < 0):
        pen.ellipse(role, -6, -8, 13, 9)
        pen.polygon(role, [(-14, 0), (8, 0), (10, -14), (8, -30), (2, -36), (-8, -24), (-12, -12)])
        pen.polygon(role, [(0, -32), (6, -44), (16, -54), (20, -50), (12, -38), (8, -28)])
        pen.polygon(role, [(2, -40), (2, -52), (8, -44)])
        pen.curve(role, 3, (-18, -4), ((-28, -4), (-30, -14), (-26, -22)))
