"""Checks properties of the pictures that the program and the user rely on.

Run: /usr/bin/python3 -m unittest discover -s tools/cards
"""

import unittest

import numpy as np

from card_back import paint_back
from deck import load_deck
from painter import paint_card
from raster import surface_to_rgb


class CardBackTest(unittest.TestCase):
    def test_back_is_mirror_symmetric(self):
        """The turn narrows the card about its centre line, so the back must read the same mirrored."""
        rgb = surface_to_rgb(paint_back())
        np.testing.assert_array_equal(rgb, rgb[:, ::-1])
        np.testing.assert_array_equal(rgb, rgb[::-1, :])


class CardFaceTest(unittest.TestCase):
    def test_painting_is_repeatable(self):
        """The committed pictures must come out the same on every run of the generator."""
        card = load_deck().cards[0]
        for awakened in (False, True):
            with self.subTest(awakened=awakened):
                first = surface_to_rgb(paint_card(card, awakened))
                np.testing.assert_array_equal(first, surface_to_rgb(paint_card(card, awakened)))

    def test_awakened_face_is_visibly_warmer(self):
        """The dawn face must change at a glance, towards the warm colours of sunrise."""
        card = next(c for c in load_deck().cards if c.number == 7)
        normal = surface_to_rgb(paint_card(card))
        awakened = surface_to_rgb(paint_card(card, awakened=True))
        self.assertGreater(np.abs(normal - awakened).mean(), 0.08)
        red_shift = awakened[:, :, 0].mean() - normal[:, :, 0].mean()
        self.assertGreater(red_shift, 0.05, "the dawn face should be warmer")


if __name__ == "__main__":
    unittest.main()
