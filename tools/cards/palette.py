"""The colours of the Lunavox cards and the dawn shift of the awakened faces.

Every style takes its colours from the house colours below, so the deck reads as one
set next to the window art; a palette is a mapping from a role name ("field_top",
"light", ...) to an RGB triple of 0-255 values.
"""

import colorsys

INDIGO = (0x1B, 0x1F, 0x4A)
TEAL = (0x1F, 0x5F, 0x6B)
GOLD = (0xD9, 0xB8, 0x6A)
CREAM = (0xF3, 0xEA, 0xD2)
STARLIGHT = (0xFB, 0xFA, 0xF2)
MINT = (128, 195, 139)
NIGHT = (0x10, 0x12, 0x2E)
INK = (0x16, 0x15, 0x24)

# The awakened faces are the same pictures in the warm light of sunrise. Each hue moves to
# its warm counterpart (blue to plum, teal to rose, green to coral, gold stays gold), darks
# are lifted as a dawn sky is, and a little of the sky's own colour is mixed in.
HUE_AT_DAWN = [(0.0, -0.01), (0.12, 0.11), (0.2, 0.1), (0.33, 0.08), (0.5, 0.05), (0.66, -0.1),
               (0.8, -0.15), (1.0, -0.01)]
DAWN_SKY = [(0.0, (70, 30, 74)), (0.45, (214, 110, 112)), (0.75, (252, 196, 140)), (1.0, (255, 246, 226))]
SKY_SHARE = 0.25


def mix(a, b, t: float):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def lightness(colour) -> float:
    r, g, b = colour
    return (0.299 * r + 0.587 * g + 0.114 * b) / 255


def _interpolate(table, x):
    for (x0, y0), (x1, y1) in zip(table, table[1:]):
        if x <= x1:
            t = (x - x0) / (x1 - x0) if x1 > x0 else 0.0
            if isinstance(y0, tuple):
                return mix(y0, y1, t)
            return y0 + (y1 - y0) * t
    return table[-1][1]


def dawn_colour(colour):
    """The colour as the same surface would look in the warm light of sunrise."""
    h, s, v = colorsys.rgb_to_hsv(*(c / 255 for c in colour))
    warm_hue = _interpolate(HUE_AT_DAWN, h) % 1.0
    warm = colorsys.hsv_to_rgb(warm_hue, min(1.0, s * 0.95 + 0.06), min(1.0, v * 0.82 + 0.2))
    warm = tuple(round(c * 255) for c in warm)
    return mix(warm, _interpolate(DAWN_SKY, lightness(colour)), SKY_SHARE)


def dawn_palette(palette: dict) -> dict:
    return {role: dawn_colour(colour) for role, colour in palette.items()}


def cairo_rgb(colour):
    return tuple(c / 255 for c in colour)
