"""The colours of the moonlit night garden, shared with the card pictures."""

NIGHT = (0x1b, 0x1f, 0x4a)
TEAL = (0x1f, 0x5f, 0x6b)
GOLD = (0xd9, 0xb8, 0x6a)
CREAM = (0xf3, 0xea, 0xd2)
DEEP_NIGHT = (12, 13, 34)
OUTSIDE = (6, 7, 18)
GOLD_DARK = (128, 98, 46)
GOLD_LIGHT = (250, 232, 178)
MINT = (128, 195, 139)
MINT_GLOW = (186, 236, 196)
TEXT_GREEN = (42, 50, 42)

LIT_GREEN_TOP = (118, 206, 140)
LIT_GREEN_BOTTOM = (30, 118, 84)
GREYED_TOP = (92, 104, 112)
GREYED_BOTTOM = (62, 72, 84)
PRESSED_TOP = (250, 255, 250)
PRESSED_BOTTOM = (200, 228, 212)

ROSE = (226, 78, 112)
ROSE_LIGHT = (255, 168, 186)
ROSE_DARK = (140, 30, 66)


def mix(a, b, t):
    """Colour part t of the way from a to b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def unit(colour):
    """Colour as cairo's 0..1 components."""
    return tuple(c / 255.0 for c in colour)
