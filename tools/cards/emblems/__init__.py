"""The central emblems of the cards, each drawn once in emblem space and painted by a style."""

from shapes import Pen, Shape

EMBLEMS = {}


def emblem(function):
    """Registers an emblem drawing under its function name (the name deck.toml uses)."""
    EMBLEMS[function.__name__] = function
    return function


def draw_emblem(name: str) -> list[Shape]:
    pen = Pen()
    EMBLEMS[name](pen)
    return pen.shapes


from emblems import arcana, celestial  # noqa: E402,F401  (fills EMBLEMS)
