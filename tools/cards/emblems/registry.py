"""The table of emblem drawings, filled as the emblem modules are imported."""

EMBLEMS = {}


def emblem(function):
    """Registers an emblem drawing under its function name (the name deck.toml uses)."""
    EMBLEMS[function.__name__] = function
    return function
