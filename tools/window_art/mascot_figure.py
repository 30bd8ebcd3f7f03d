"""The mascot: a little moon fairy with a star in her hair and glassy wings.

draw_figure paints one cell: pose 0 waves, 1 holds her hands together,
2 raises a tiny star wand, 3 is seen from behind; face 0 calm, 1 smiling,
2 excited; frame 2, 1, 0 are the flap-and-hop movement, 0 the rest."""
import math

import cairo

from button_looks import _heart
from palette import CREAM, GOLD, GOLD_DARK, GOLD_LIGHT, ROSE, mix, unit
from raster import sparkle, star_path, vertical_gradient

INK = (34, 30, 64)
SKIN = (255, 232, 216)
SKIN_SHADE = (240, 196, 186)
BLUSH = (255, 140, 160)
HAIR = (74, 84, 168)
HAIR_LIGHT = (140, 158, 226)
DRESS_TOP = CREAM
DRESS_BOTTOM = (150, 212, 186)
WING = (206, 244, 240)
EYE = (40, 44, 96)

HOP = {0: 0.0, 1: -3.0, 2: -7.0}           # lift of the figure per frame
WING_LIFT = {0: 0.0, 1: 0.5, 2: 1.0}     # how far the wings are raised per frame
CENTRE_X = 39.0
HEAD_Y = 58.0
FEET_Y = 128.0       # the figure is drawn SCALE times larger about her feet
SCALE = 1.12


def _outlined(ctx, path, fill, width=1.1):
    path()
    if isinstance(fill, tuple):
        ctx.set_source_rgb(*unit(fill))
    else:
        ctx.set_source(fill)
    ctx.fill_preserve()
    ctx.set_source_rgb(*unit(INK))
    ctx.set_line_width(width)
    ctx.stroke()


def _wings(ctx, frame, alpha):
    """Two pairs of glassy wings from the shoulders, raised by the flap."""
    lift = WING_LIFT[frame]
    for side in (-1, 1):
        for length, width, rest, swing in ((31, 0.62, 0.42, 0.55), (20, 0.5, -0.55, 0.25)):
            ctx.save()
            ctx.translate(CENTRE_X + side * 3, 86)
            ctx.scale(side, 1)
            ctx.rotate(-(rest + lift * swing))
            ctx.move_to(0, 0)
            ctx.curve_to(length * 0.25, -length * width, length * 0.85, -length * width,
                         length, -length * 0.12)
            ctx.curve_to(length * 1.02, length * 0.12, length * 0.5, length * 0.22, 0, 0)
            ctx.close_path()
            ctx.set_source(_wing_gradient(length))
            ctx.fill_preserve()
            ctx.set_source_rgba(*unit(GOLD), 0.95)
            ctx.set_line_width(0.9)
            ctx.stroke()
            ctx.move_to(2, -0.5)
            ctx.curve_to(length * 0.4, -length * 0.2, length * 0.7, -length * 0.2, length * 0.9, -length * 0.12)
            ctx.set_source_rgba(*unit(GOLD_LIGHT), 0.6 * alpha + 0.2)
            ctx.set_line_width(0.6)
            ctx.stroke()
            ctx.restore()


def _wing_gradient(length):
    gradient = cairo.LinearGradient(0, 0, length, 0)
    gradient.add_color_stop_rgba(0, *unit(WING), 0.85)
    gradient.add_color_stop_rgba(1, *unit(mix(WING, (150, 200, 255), 0.4)), 0.45)
    return gradient


def _legs(ctx):
    for side in (-1, 1):
        x = CENTRE_X + side * 5.5
        _outlined(ctx, lambda: (ctx.rectangle(x - 2.6, 112, 5.2, 11)), SKIN, 1.0)
        _outlined(ctx, lambda: (ctx.save(), ctx.translate(x + side * 0.8, 124),
                                ctx.scale(4.2, 2.8), ctx.arc(0, 0, 1, 0, 2 * math.pi),
                                ctx.restore()), HAIR, 1.0)


def _dress(ctx):
    def path():
        ctx.move_to(CENTRE_X - 7, 84)
        ctx.curve_to(CENTRE_X - 10, 96, CENTRE_X - 17, 108, CENTRE_X - 18, 114)
        ctx.curve_to(CENTRE_X - 8, 118, CENTRE_X + 8, 118, CENTRE_X + 18, 114)
        ctx.curve_to(CENTRE_X + 17, 108, CENTRE_X + 10, 96, CENTRE_X + 7, 84)
        ctx.close_path()
    _outlined(ctx, path, vertical_gradient(ctx, 84, 116, [(0, DRESS_TOP), (1, DRESS_BOTTOM)]))
    ctx.set_source_rgb(*unit(GOLD))
    ctx.set_line_width(1.4)
    ctx.move_to(CENTRE_X - 16.5, 112.6)
    ctx.curve_to(CENTRE_X - 8, 116.3, CENTRE_X + 8, 116.3, CENTRE_X + 16.5, 112.6)
    ctx.stroke()
    star_path(ctx, CENTRE_X, 97, 3.2, 1.3)
    ctx.fill()


def _arm(ctx, shoulder, hand, width=4.4):
    ctx.set_line_cap(1)
    ctx.set_source_rgb(*unit(INK))
    ctx.set_line_width(width + 2)
    ctx.move_to(*shoulder)
    ctx.line_to(*hand)
    ctx.stroke()
    ctx.set_source_rgb(*unit(DRESS_TOP))
    ctx.set_line_width(width)
    ctx.move_to(*shoulder)
    ctx.line_to(*hand)
    ctx.stroke()
    _outlined(ctx, lambda: (ctx.new_sub_path(), ctx.arc(hand[0], hand[1], 3.0, 0, 2 * math.pi)),
              SKIN, 1.0)


def _arms(ctx, pose, frame):
    left, right = (CENTRE_X - 7, 87), (CENTRE_X + 7, 87)
    wave = {0: 0.0, 1: 2.0, 2: -2.0}[frame]
    if pose == 0:
        _arm(ctx, left, (CENTRE_X - 12, 103))
        _arm(ctx, right, (CENTRE_X + 19 + wave * 0.5, 71 + wave))
    elif pose == 1:
        _arm(ctx, left, (CENTRE_X - 1.5, 96))
        _arm(ctx, right, (CENTRE_X + 1.5, 96))
    elif pose == 2:
        hand = (CENTRE_X - 17, 80 + wave * 0.5)
        ctx.set_source_rgb(*unit(GOLD_DARK))
        ctx.set_line_width(1.6)
        ctx.move_to(hand[0] + 1, hand[1] + 3)
        ctx.line_to(hand[0] - 5, hand[1] - 13)
        ctx.stroke()
        _arm(ctx, left, hand)
        _arm(ctx, right, (CENTRE_X + 12, 103))
        tip = (hand[0] - 5.5, hand[1] - 15)
        star_path(ctx, *tip, 5.0, 2.1)
        ctx.set_source_rgb(*unit(GOLD_LIGHT))
        ctx.fill_preserve()
        ctx.set_source_rgb(*unit(GOLD_DARK))
        ctx.set_line_width(0.8)
        ctx.stroke()
    else:
        _arm(ctx, left, (CENTRE_X - 12, 102))
        _arm(ctx, right, (CENTRE_X + 12, 102))


def _head_back(ctx, highlight=False):
    def hair():
        ctx.move_to(CENTRE_X - 20, HEAD_Y + 20)
        ctx.curve_to(CENTRE_X - 22, HEAD_Y + 10, CENTRE_X - 22, HEAD_Y + 6, CENTRE_X - 21, HEAD_Y + 2)
        ctx.arc(CENTRE_X, HEAD_Y + 1, 21, math.pi, 2 * math.pi)
        ctx.curve_to(CENTRE_X + 22, HEAD_Y + 6, CENTRE_X + 22, HEAD_Y + 10, CENTRE_X + 20, HEAD_Y + 20)
        ctx.curve_to(CENTRE_X + 23, HEAD_Y + 23, CENTRE_X + 24, HEAD_Y + 25, CENTRE_X + 21, HEAD_Y + 26)
        ctx.curve_to(CENTRE_X + 8, HEAD_Y + 25, CENTRE_X - 8, HEAD_Y + 25, CENTRE_X - 21, HEAD_Y + 26)
        ctx.curve_to(CENTRE_X - 24, HEAD_Y + 25, CENTRE_X - 23, HEAD_Y + 23, CENTRE_X - 20, HEAD_Y + 20)
        ctx.close_path()
    _outlined(ctx, hair, vertical_gradient(ctx, HEAD_Y - 20, HEAD_Y + 26,
                                           [(0, HAIR_LIGHT), (0.45, HAIR), (1, mix(HAIR, INK, 0.3))]))
    if highlight:
        ctx.set_source_rgba(*unit(HAIR_LIGHT), 0.8)
        ctx.set_line_width(1.6)
        ctx.arc(CENTRE_X, HEAD_Y + 1, 16, math.pi * 1.15, math.pi * 1.55)
        ctx.stroke()
        ctx.set_source_rgba(*unit(INK), 0.5)
        ctx.set_line_width(0.8)
        for dx in (-8, 0, 8):
            ctx.move_to(CENTRE_X + dx * 0.6, HEAD_Y - 12)
            ctx.curve_to(CENTRE_X + dx, HEAD_Y + 5, CENTRE_X + dx * 1.1, HEAD_Y + 15, CENTRE_X + dx * 1.2, HEAD_Y + 24)
            ctx.stroke()


def _face_skin(ctx):
    def face():
        ctx.save()
        ctx.translate(CENTRE_X, HEAD_Y + 3)
        ctx.scale(16.5, 15.5)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
    _outlined(ctx, face, SKIN)

    def fringe():
        ctx.move_to(CENTRE_X - 18, HEAD_Y + 2)
        ctx.curve_to(CENTRE_X - 19, HEAD_Y - 16, CENTRE_X + 19, HEAD_Y - 16, CENTRE_X + 18, HEAD_Y + 2)
        ctx.curve_to(CENTRE_X + 13, HEAD_Y - 6, CENTRE_X + 6, HEAD_Y - 7, CENTRE_X + 3, HEAD_Y - 3)
        ctx.curve_to(CENTRE_X, HEAD_Y - 8, CENTRE_X - 8, HEAD_Y - 8, CENTRE_X - 11, HEAD_Y - 3)
        ctx.curve_to(CENTRE_X - 13, HEAD_Y - 5, CENTRE_X - 16, HEAD_Y - 3, CENTRE_X - 18, HEAD_Y + 2)
        ctx.close_path()
    _outlined(ctx, fringe, vertical_gradient(ctx, HEAD_Y - 14, HEAD_Y + 2,
                                             [(0, HAIR_LIGHT), (1, HAIR)]))


def _hair_star(ctx, x, y):
    star_path(ctx, x, y, 6.5, 2.8, turn=-math.pi / 2 + 0.25)
    ctx.set_source_rgb(*unit(GOLD_LIGHT))
    ctx.fill_preserve()
    ctx.set_source_rgb(*unit(GOLD_DARK))
    ctx.set_line_width(0.9)
    ctx.stroke()


def _eyes(ctx, face):
    y = HEAD_Y + 5
    for side in (-1, 1):
        x = CENTRE_X + side * 7
        if face == 0:
            ctx.save()
            ctx.translate(x, y)
            ctx.scale(2.4, 3.3)
            ctx.arc(0, 0, 1, 0, 2 * math.pi)
            ctx.restore()
            ctx.set_source_rgb(*unit(EYE))
            ctx.fill()
            ctx.set_source_rgb(1, 1, 1)
            ctx.arc(x + 0.8, y - 1.2, 0.95, 0, 2 * math.pi)
            ctx.fill()
        elif face == 1:
            ctx.set_source_rgb(*unit(EYE))
            ctx.set_line_width(1.6)
            ctx.set_line_cap(1)
            ctx.move_to(x - 3, y + 1)
            ctx.curve_to(x - 1.5, y - 2.5, x + 1.5, y - 2.5, x + 3, y + 1)
            ctx.stroke()
        else:
            _heart(ctx, x, y - 0.2, 3.4)
            ctx.set_source_rgb(*unit(ROSE))
            ctx.fill()
            ctx.set_source_rgb(1, 1, 1)
            ctx.arc(x - 1.2, y - 1.3, 0.8, 0, 2 * math.pi)
            ctx.fill()


def _mouth(ctx, face):
    x, y = CENTRE_X, HEAD_Y + 11
    ctx.set_source_rgb(*unit(mix(INK, ROSE, 0.4)))
    if face == 0:
        ctx.set_line_width(1.1)
        ctx.move_to(x - 2, y)
        ctx.curve_to(x - 1, y + 1.2, x + 1, y + 1.2, x + 2, y)
        ctx.stroke()
    else:
        width = 2.6 if face == 1 else 3.2
        ctx.move_to(x - width, y - 0.5)
        ctx.curve_to(x - width, y + 3.5, x + width, y + 3.5, x + width, y - 0.5)
        ctx.close_path()
        ctx.fill()


def _blush(canvas, face, dy):
    strength = {0: 0.25, 1: 0.45, 2: 0.85}[face]
    for side in (-1, 1):
        def cheek(ctx, side=side):
            ctx.save()
            _place(ctx, dy)
            ctx.translate(CENTRE_X + side * 10.5, HEAD_Y + 10)
            ctx.scale(3.6, 2.0)
            ctx.arc(0, 0, 1, 0, 2 * math.pi)
            ctx.restore()
            ctx.fill()
        canvas.glow(cheek, BLUSH, 1.2, strength, add=False)


def _excitement(canvas, dy):
    for x, y, size in ((12, 40, 3.5), (66, 36, 4.5), (63, 72, 2.5), (10, 78, 2.8)):
        sparkle(canvas, x, y + dy, size, GOLD_LIGHT, 0.9)
    for x, y, size in ((68, 52, 3.0), (9, 58, 2.4)):
        def heart(ctx, x=x, y=y, size=size):
            _heart(ctx, x, y + dy, size)
            ctx.fill()
        canvas.blend(canvas.shape_alpha(heart), ROSE)


def _front(canvas, pose, face, frame):
    ctx = canvas.ctx
    _wings(ctx, frame, 0.55)
    _head_back(ctx)
    _legs(ctx)
    _dress(ctx)
    _face_skin(ctx)
    _hair_star(ctx, CENTRE_X + 13, HEAD_Y - 11)
    _eyes(ctx, face)
    _mouth(ctx, face)
    _arms(ctx, pose, frame)


def _back(canvas, frame):
    ctx = canvas.ctx
    _legs(ctx)
    _dress(ctx)
    _arms(ctx, 3, frame)
    _head_back(ctx, highlight=True)
    _hair_star(ctx, CENTRE_X - 13, HEAD_Y - 11)
    _wings(ctx, frame, 0.6)


def _place(ctx, dy):
    """Moves drawing to the figure's place: lifted by dy, enlarged about her feet."""
    ctx.translate(CENTRE_X, FEET_Y + dy)
    ctx.scale(SCALE, SCALE)
    ctx.translate(-CENTRE_X, -FEET_Y)


def draw_figure(canvas, pose, face, frame):
    """Paints the figure into a 78x138 canvas that holds the window background."""
    dy = HOP[frame]
    ctx = canvas.ctx
    ctx.save()
    _place(ctx, dy)
    if pose == 3:
        _back(canvas, frame)
    else:
        _front(canvas, pose, face, frame)
    ctx.restore()
    if pose != 3:
        _blush(canvas, face, dy)
    if face == 2:
        _excitement(canvas, dy)
