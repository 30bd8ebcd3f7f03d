"""Text on the cards: Roman numerals and centred lines in the IPA fonts."""

import cairo

MINCHO = "IPAMincho"
PROPORTIONAL_MINCHO = "IPAPMincho"
GOTHIC = "IPAGothic"

_NUMERALS = [(10, "X"), (9, "IX"), (5, "V"), (4, "IV"), (1, "I")]


def roman(number: int) -> str:
    text = ""
    for value, letters in _NUMERALS:
        while number >= value:
            text += letters
            number -= value
    return text


def centred_text_path(ctx: cairo.Context, text: str, cx: float, cy: float, size: float,
                      family: str = MINCHO, max_width: float | None = None, spacing: float = 0.0,
                      slant=cairo.FONT_SLANT_NORMAL) -> float:
    """Adds the outline of text, centred on (cx, cy), to the current path; returns its width.

    The size shrinks until the text fits max_width; spacing is extra room between letters
    as a fraction of the size.
    """
    ctx.select_font_face(family, slant, cairo.FONT_WEIGHT_NORMAL)
    while True:
        ctx.set_font_size(size)
        advances = [ctx.text_extents(ch).x_advance for ch in text]
        width = sum(advances) + spacing * size * (len(text) - 1)
        if max_width is None or width <= max_width or size <= 6:
            break
        size *= 0.94
    extents = ctx.text_extents(text)
    x = cx - width / 2
    baseline = cy - (extents.y_bearing + extents.height / 2)
    for ch, advance in zip(text, advances):
        ctx.move_to(x, baseline)
        ctx.text_path(ch)
        x += advance + spacing * size
    return width
