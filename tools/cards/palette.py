"""The colours of the Lunavox cards and the dawn shift of the awakened faces.

Every style takes its colours from the house colours below, so the deck reads as one
set next to the window art; a palette is a mapping from a role name ("field_top",
"light", ...) to an RGB triple of 0-255 values.
"""

INDIGO = (0x1B, 0x1F, 0x4A)
TEAL = (0x1F, 0x5F, 0x6B)
GOLD = (0xD9, 0xB8, 0x6A)
CREAM = (0xF3, 0xEA, 0xD2)
STARLIGHT = (0xFB, 0xFA, 0xF2)
MINT = (128, 195, 139)
NIGHT = (0x10, 0x12, 0x2E)
INK = (0x16, 0x15, 0x24)

# Colours of the sky at dawn, from its darkest to its lightest: the awakened faces map
# each colour by its lightness onto this ramp.
DAWN_RAMP = [(0.0, (58, 28, 66)), (0.3, (150, 66, 102)), (0.55, (232, 128, 108)),
             (0.8, (252, 204, 140)), (1.0, (255, 246, 226))]
DAWN_STRENGTH = 0.62


def mix(a, b, t: float):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def lightness(colour) -> float:
    r, g, b = colour
    return (0.299 * r + 0.587 * g + 0.114 * b) / 255


def dawn_colour(colour):
    """The colour as the same surface would look in the warm light of sunrise."""
    level = lightness(colour)
    for (low, low_colour), (high, high_colour) in zip(DAWN_RAMP, DAWN_RAMP[1:]):
        if level <= high:
            target = mix(low_colour, high_colour, (level - low) / (high - low))
            break
    lifted = mix(colour, target, DAWN_STRENGTH)
    return mix(lifted, (255, 255, 255), 0.06)


def dawn_palette(palette: dict) -> dict:
    return {role: dawn_colour(colour) for role, colour in palette.items()}


def cairo_rgb(colour):
    return tuple(c / 255 for c in colour)
