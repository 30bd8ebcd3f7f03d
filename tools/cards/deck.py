"""Reads deck.toml: the creators and the thirty cards of the Lunavox deck."""

import tomllib
from dataclasses import dataclass
from pathlib import Path

DECK_FILE = Path(__file__).with_name("deck.toml")


@dataclass(frozen=True)
class Creator:
    code: str    # two-digit voice code, also the first two bytes of the creator line
    name: str
    style: str   # name of the painting style module under styles/


@dataclass(frozen=True)
class Card:
    number: int
    label: str
    title: str
    emblem: str
    creator: Creator
    url: str
    fortune: str
    comment: str
    awakened: bool
    awakened_comment: str

    @property
    def banner(self) -> str:
        """The text on the picture's banner: the title, or an invitation on the title card."""
        return self.title or "願いをひとつ"


@dataclass(frozen=True)
class Deck:
    note: str
    creators: tuple[Creator, ...]
    cards: tuple[Card, ...]   # ordered by number, cards[n].number == n


def load_deck(path: Path = DECK_FILE) -> Deck:
    data = tomllib.loads(path.read_text(encoding="utf-8"))
    creators = tuple(Creator(**entry) for entry in data["creator"])
    by_code = {c.code: c for c in creators}
    cards = []
    for entry in data["card"]:
        fields = dict(entry)
        code = fields.pop("creator")
        if code not in by_code:
            raise ValueError(f"card {fields['number']}: unknown creator code {code!r}")
        fields.setdefault("awakened_comment", "")
        cards.append(Card(creator=by_code[code], **fields))
    cards.sort(key=lambda card: card.number)
    if [card.number for card in cards] != list(range(len(cards))):
        raise ValueError("card numbers must run 0, 1, 2, ... without gaps or repeats")
    return Deck(note=data["note"], creators=creators, cards=tuple(cards))
