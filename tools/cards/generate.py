#!/usr/bin/python3
"""Writes the Lunavox card resources into a folder.

Usage: /usr/bin/python3 tools/cards/generate.py OUTPUT_FOLDER

Output: CardT.txt (the card text table), C000.jpg to C029.jpg, C999.jpg (the back),
the awakened faces HCnnn.jpg and the index pages Index00.jpg to Index02.jpg.
Everything is drawn from deck.toml with fixed seeds, so a rerun gives the same files.
"""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from card_table import write_table  # noqa: E402
from deck import load_deck  # noqa: E402
from label_fit import fit_problems  # noqa: E402


def main(argv: list[str]) -> int:
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    folder = Path(argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    deck = load_deck()
    problems = [p for card in deck.cards for p in fit_problems(card)]
    if problems:
        print("texts that the labels would clip:\n  " + "\n  ".join(problems), file=sys.stderr)
        return 1
    write_table(deck, folder)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
