"""The central emblems of the cards, each drawn once in emblem space and painted by a style."""

from emblems import arcana, celestial
from emblems.registry import EMBLEMS
from shapes import Pen, Shape

# Importing a module registers the emblems it defines.
EMBLEM_MODULES = (arcana, celestial)


def draw_emblem(name: str) -> list[Shape]:
    pen = Pen()
    EMBLEMS[name](pen)
    return pen.shapes
