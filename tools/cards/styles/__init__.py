"""The nine creators' painting styles, looked up by the style name in deck.toml."""

from styles import (gold_filigree, paper_cut, pixel_art, sacred_geometry, shadow_puppet, stained_glass,
                    star_chart, watercolour, woodblock)

STYLES = {module.__name__.split(".")[-1]: module.Style
          for module in (star_chart, stained_glass, paper_cut, woodblock, sacred_geometry, watercolour,
                         pixel_art, shadow_puppet, gold_filigree)}
