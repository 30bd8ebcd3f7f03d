"""Paints the faces of the cards: each card in its creator's style, normal or awakened."""

import cairo

from deck import Card
from emblems import draw_emblem
from lettering import roman
from styles import STYLES
from styles.base import WORDMARK, CardFace


def card_face(card: Card, awakened: bool) -> CardFace:
    number_text = WORDMARK if card.number == 0 else roman(card.number)
    return CardFace(card.number, number_text, card.banner, tuple(draw_emblem(card.emblem)), awakened)


def paint_card(card: Card, awakened: bool = False) -> cairo.ImageSurface:
    style = STYLES[card.creator.style]
    return style(card_face(card, awakened)).paint()
