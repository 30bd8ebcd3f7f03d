"""How each painted control looks in each of its states.

Every painter draws onto a cell-sized Canvas that already holds the window
background of the control's place, so cells blend into the window."""
import math

import numpy as np

from palette import (CREAM, GOLD, GOLD_DARK, GOLD_LIGHT, GREYED_BOTTOM, GREYED_TOP,
                     LIT_GREEN_BOTTOM, LIT_GREEN_TOP, MINT_GLOW, NIGHT, PRESSED_BOTTOM,
                     PRESSED_TOP, ROSE, ROSE_DARK, ROSE_LIGHT, TEAL, TEXT_GREEN, mix, unit)
from raster import GOTHIC, blur, rounded_rect, sparkle, text_alpha, vertical_gradient

GREYED, NORMAL, PRESSED = 0, 1, 2

# Per state: fill top, fill bottom, rim, caption colour, caption shadow colour.
LOOKS = {
    GREYED: (GREYED_TOP, GREYED_BOTTOM, mix(GOLD_DARK, (90, 90, 100), 0.5), (150, 160, 168), None),
    NORMAL: (LIT_GREEN_TOP, LIT_GREEN_BOTTOM, GOLD, CREAM, (10, 50, 30)),
    PRESSED: (PRESSED_TOP, PRESSED_BOTTOM, GOLD_LIGHT, TEXT_GREEN, None),
}


def _caption(canvas, text, size, centre, state, font=GOTHIC):
    _, _, _, ink, shadow = LOOKS[state]
    alpha = text_alpha((canvas.width, canvas.height), text, font, size, centre)
    if shadow is not None:
        canvas.blend(blur(np.roll(alpha, 1, axis=0), 1.2) * 1.6, shadow)
    canvas.blend(alpha, ink)


def _filled_shape(canvas, path, state, top, bottom):
    """Fills path in the state's look: rim, gradient body, gloss on top."""
    fill_top, fill_bottom, rim, _, _ = LOOKS[state]
    ctx = canvas.ctx
    if state == NORMAL:
        canvas.glow(lambda c: (path(c, 0), c.fill()), MINT_GLOW, 2.0, 0.35)
    ctx.set_source_rgb(*unit(mix(rim, (0, 0, 0), 0.45)))
    path(ctx, 0)
    ctx.fill()
    ctx.set_source(vertical_gradient(ctx, top, bottom, [(0, mix(rim, (255, 255, 255), 0.3)),
                                                        (1, mix(rim, (0, 0, 0), 0.2))]))
    path(ctx, 1)
    ctx.fill()
    ctx.set_source(vertical_gradient(ctx, top, bottom, [(0, fill_top), (1, fill_bottom)]))
    path(ctx, 2.5)
    ctx.fill()
    if state != GREYED:
        gloss = vertical_gradient(ctx, top, (top + bottom) / 2, [(0, (255, 255, 255)),
                                                                 (1, (255, 255, 255))])
        ctx.save()
        path(ctx, 2.5)
        ctx.clip()
        ctx.rectangle(0, 0, canvas.width, (top + bottom) / 2)
        ctx.clip()
        ctx.set_source(gloss)
        ctx.paint_with_alpha(0.22 if state == NORMAL else 0.35)
        ctx.restore()


def pill_button(canvas, state, caption, size):
    """Rounded oblong button with a caption (fortune, random, creator, web page)."""
    w, h = canvas.width, canvas.height
    shift = 1 if state == PRESSED else 0

    def path(ctx, inset):
        rounded_rect(ctx, 1.5 + inset, 1.5 + inset, w - 3 - 2 * inset, h - 3 - 2 * inset,
                     (h - 3) / 2 - inset)

    _filled_shape(canvas, path, state, 1.5, h - 1.5)
    _caption(canvas, caption, size, (w / 2, h / 2 + shift), state)
    if state == NORMAL:
        sparkle(canvas, w - h / 2 + 2, h * 0.32, 2.5, CREAM, 0.8)


def arrow_button(canvas, state, direction):
    """Round button with a chevron pointing left (-1) or right (+1)."""
    w, h = canvas.width, canvas.height
    cx, cy, r = w / 2, h / 2, min(w, h) / 2 - 1.5

    def path(ctx, inset):
        ctx.new_sub_path()
        ctx.arc(cx, cy, r - inset, 0, 2 * math.pi)

    _filled_shape(canvas, path, state, cy - r, cy + r)
    _, _, _, ink, shadow = LOOKS[state]
    dy = 1 if state == PRESSED else 0

    def chevron(ctx):
        ctx.move_to(cx - direction * 5.5, cy - 8 + dy)
        ctx.line_to(cx + direction * 6.5, cy + dy)
        ctx.line_to(cx - direction * 5.5, cy + 8 + dy)
        ctx.line_to(cx - direction * 5.5, cy + 3.5 + dy)
        ctx.line_to(cx + direction * 0.5, cy + dy)
        ctx.line_to(cx - direction * 5.5, cy - 3.5 + dy)
        ctx.close_path()
        ctx.fill()

    alpha = canvas.shape_alpha(chevron)
    if shadow is not None:
        canvas.blend(blur(np.roll(alpha, 1, axis=0), 1.0) * 1.4, shadow)
    canvas.blend(alpha, ink)


def jewel_control(canvas, state, symbol):
    """Round jewel with a gold bezel and a cross ('close') or a bar ('minimize')."""
    w = canvas.width
    c = w / 2
    fill_top, fill_bottom, rim, ink, shadow = LOOKS[state]
    ctx = canvas.ctx
    ctx.set_source_rgb(*unit(mix(rim, (0, 0, 0), 0.5)))
    ctx.arc(c, c, c, 0, 2 * math.pi)
    ctx.fill()
    ctx.set_source(vertical_gradient(ctx, 0, w, [(0, mix(rim, (255, 255, 255), 0.35)),
                                                 (1, mix(rim, (0, 0, 0), 0.25))]))
    ctx.arc(c, c, c - 1, 0, 2 * math.pi)
    ctx.fill()
    gem = c - 3 if w > 26 else c - 2.5
    gradient = vertical_gradient(ctx, c - gem, c + gem, [(0, fill_top), (1, fill_bottom)])
    ctx.set_source(gradient)
    ctx.arc(c, c, gem, 0, 2 * math.pi)
    ctx.fill()
    if state != GREYED:
        ctx.set_source_rgba(1, 1, 1, 0.4 if state == NORMAL else 0.6)
        ctx.save()
        ctx.translate(c, c - gem * 0.45)
        ctx.scale(gem * 0.7, gem * 0.42)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        ctx.fill()
    arm = gem * 0.5
    thick = max(2.2, gem * 0.22)

    def mark(ctx):
        ctx.set_line_width(thick)
        ctx.set_line_cap(1)  # round caps
        if symbol == "close":
            ctx.move_to(c - arm, c - arm)
            ctx.line_to(c + arm, c + arm)
            ctx.move_to(c + arm, c - arm)
            ctx.line_to(c - arm, c + arm)
        else:
            ctx.move_to(c - arm, c + gem * 0.15)
            ctx.line_to(c + arm, c + gem * 0.15)
        ctx.stroke()

    alpha = canvas.shape_alpha(mark)
    if shadow is not None:
        canvas.blend(blur(np.roll(alpha, 1, axis=0), 1.0) * 1.2, shadow)
    canvas.blend(alpha, ink)


def caption_plate(canvas, shown, caption, size):
    """Small gold-edged tag over a text panel; without caption when not shown."""
    w, h = canvas.width, canvas.height
    ctx = canvas.ctx
    ctx.set_source_rgb(*unit(GOLD_DARK))
    rounded_rect(ctx, 0.5, 0.5, w - 1, h - 1, 4)
    ctx.fill()
    ctx.set_source(vertical_gradient(ctx, 0, h, [(0, GOLD_LIGHT), (1, GOLD)]))
    rounded_rect(ctx, 1.5, 1.5, w - 3, h - 3, 3)
    ctx.fill()
    ctx.set_source(vertical_gradient(ctx, 0, h, [(0, mix(NIGHT, TEAL, 0.6)), (1, NIGHT)]))
    rounded_rect(ctx, 2.5, 2.5, w - 5, h - 5, 2.5)
    ctx.fill()
    if shown:
        alpha = text_alpha((w, h), caption, GOTHIC, size, (w / 2, h / 2))
        canvas.blend(blur(alpha, 1.2) * 0.6, GOLD, add=True)
        canvas.blend(alpha, CREAM)


def _heart(ctx, cx, cy, size):
    """Heart path, size = half its width."""
    s = size
    ctx.move_to(cx, cy + s * 0.95)
    ctx.curve_to(cx - s * 0.35, cy + s * 0.6, cx - s * 1.05, cy + s * 0.15, cx - s, cy - s * 0.3)
    ctx.curve_to(cx - s * 0.95, cy - s * 0.85, cx - s * 0.2, cy - s * 1.0, cx, cy - s * 0.45)
    ctx.curve_to(cx + s * 0.2, cy - s * 1.0, cx + s * 0.95, cy - s * 0.85, cx + s, cy - s * 0.3)
    ctx.curve_to(cx + s * 1.05, cy + s * 0.15, cx + s * 0.35, cy + s * 0.6, cx, cy + s * 0.95)
    ctx.close_path()


def heart_shape(canvas, cx, cy, size, top, bottom, rim=GOLD, glow=None):
    """A filled heart with a rim and gloss; glow adds a halo of that colour."""
    ctx = canvas.ctx
    if glow is not None:
        canvas.glow(lambda c: (_heart(c, cx, cy, size), c.fill()), glow, size * 0.25, 0.6)
    ctx.set_source_rgb(*unit(rim))
    _heart(ctx, cx, cy, size)
    ctx.fill()
    ctx.set_source(vertical_gradient(ctx, cy - size, cy + size, [(0, top), (1, bottom)]))
    _heart(ctx, cx, cy + size * 0.02, size * 0.88)
    ctx.fill()
    ctx.set_source_rgba(1, 1, 1, 0.45)
    ctx.save()
    ctx.translate(cx - size * 0.45, cy - size * 0.42)
    ctx.rotate(-0.6)
    ctx.scale(size * 0.28, size * 0.16)
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    ctx.fill()


def transform_heart(canvas, state):
    """The heart-shaped transform button: 1 HEART UP!, 2 pressed, 3 plain."""
    w, h = canvas.width, canvas.height
    cx, cy, size = w / 2, h / 2 + 0.5, min(w, h) / 2 - 1.5
    if state == 2:
        heart_shape(canvas, cx, cy + 1, size, (255, 240, 244), (240, 200, 212), GOLD_LIGHT)
        return
    heart_shape(canvas, cx, cy, size, ROSE_LIGHT, mix(ROSE, ROSE_DARK, 0.3), GOLD,
                glow=ROSE if state == 1 else None)
    if state == 1:
        for text, y in (("HEART", cy - 3.5), ("UP!", cy + 5)):
            alpha = text_alpha((w, h), text, GOTHIC, 9, (cx, y))
            canvas.blend(blur(alpha, 1.0) * 1.5, ROSE_DARK)
            canvas.blend(alpha, (255, 252, 240))
        sparkle(canvas, w - 7, 6, 3.0, CREAM, 0.9)
