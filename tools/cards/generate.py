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

from card_back import paint_back  # noqa: E402
from card_table import write_table  # noqa: E402
from deck import load_deck  # noqa: E402
from index_pages import PAGE_COUNT, index_page  # noqa: E402
from label_fit import fit_problems  # noqa: E402
from painter import paint_card  # noqa: E402
from raster import JPEG_QUALITY, save_jpeg, surface_to_image  # noqa: E402

BACK_NUMBER = 999


def face_name(number: int, awakened: bool = False) -> str:
    return f"{'H' if awakened else ''}C{number:03d}.jpg"


def write_pictures(deck, folder: Path) -> None:
    faces = []
    for card in deck.cards:
        surface = paint_card(card)
        save_jpeg(surface, folder / face_name(card.number))
        faces.append(surface_to_image(surface))
        if card.awakened:
            save_jpeg(paint_card(card, awakened=True), folder / face_name(card.number, awakened=True))
    save_jpeg(paint_back(), folder / face_name(BACK_NUMBER))
    for page in range(PAGE_COUNT):
        index_page(page, faces).save(folder / f"Index{page:02d}.jpg", "JPEG", quality=JPEG_QUALITY,
                                     subsampling=0, optimize=False, progressive=False)


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
    write_pictures(deck, folder)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
