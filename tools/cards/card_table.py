"""Builds the card text table CardT.txt and checks it against the layout the program reads.

The program finds every text by arithmetic (line = card number x 7 + role), tests the
first two bytes of a header for the full-width "Ｈ" and reads the voice code from the
first two bytes of the creator line, so the table is checked byte by byte after encoding.
"""

from pathlib import Path

from deck import Card, Deck

ENCODING = "cp932"
LINE_END = b"\r\n"
ROLES_PER_CARD = 7
CARD_COUNT = 30
LINE_COUNT = ROLES_PER_CARD * CARD_COUNT + 2     # the records, an empty line, the editors' note
AWAKENED_MARK = "Ｈ".encode(ENCODING)              # 82 67
CARDS_WITH_AWAKENED_FACE = frozenset({0, 1, 2, 3, 4, 6, 7, 10, 18, 21, 23, 24, 25, 26, 27, 28, 29})
VOICE_CODES = frozenset({"00", "06", "11", "13", "20", "21", "24", "25", "26"})

# Byte limits of the lines, chosen so each text fits the label it is shown in.
MAX_TITLE = 18
MAX_FORTUNE = 216
MAX_COMMENT = 256
CREATOR_LINE_RANGE = (6, 30)
MAX_URL = 60

FULL_WIDTH_DIGITS = str.maketrans("0123456789", "０１２３４５６７８９")


def header_line(card: Card) -> str:
    mark = "Ｈ" if card.awakened else ""
    return f"{mark}Ｃａｒｄ．{card.number:02d}＞{card.label}".translate(FULL_WIDTH_DIGITS)


def record_lines(card: Card) -> list[str]:
    return [
        header_line(card),
        card.title,
        card.fortune,
        card.creator.code + card.creator.name,
        card.url,
        card.comment,
        card.awakened_comment if card.awakened else "",
    ]


def table_lines(deck: Deck) -> list[str]:
    lines = [line for card in deck.cards for line in record_lines(card)]
    return lines + ["", deck.note]


def encode_table(lines: list[str]) -> bytes:
    """CP932 lines joined by CR LF; the last line has no line end."""
    encoded = []
    for i, line in enumerate(lines):
        try:
            encoded.append(line.encode(ENCODING))
        except UnicodeEncodeError as error:
            raise ValueError(f"line {i}: {line[error.start]!r} has no CP932 code") from None
    return LINE_END.join(encoded)


def table_problems(data: bytes) -> list[str]:
    """Every way in which the encoded table breaks the layout; empty when it is sound."""
    lines = data.split(LINE_END)
    problems = [f"line {i}: stray CR or LF" for i, line in enumerate(lines) if b"\r" in line or b"\n" in line]
    if len(lines) != LINE_COUNT:
        return problems + [f"{len(lines)} lines, expected {LINE_COUNT}"]
    for i, line in enumerate(lines):
        try:
            line.decode(ENCODING)
        except UnicodeDecodeError:
            problems.append(f"line {i}: not valid CP932")
    for n in range(CARD_COUNT):
        problems += [f"card {n}: {p}" for p in record_problems(n, lines[n * ROLES_PER_CARD:(n + 1) * ROLES_PER_CARD])]
    if lines[LINE_COUNT - 2]:
        problems.append(f"line {LINE_COUNT - 2} must be empty")
    return problems


def record_problems(number: int, record: list[bytes]) -> list[str]:
    header, title, fortune, creator, url, comment, awakened_comment = record
    awakened = number in CARDS_WITH_AWAKENED_FACE
    problems = []
    if header.startswith(AWAKENED_MARK) != awakened:
        problems.append("header mark Ｈ must be present exactly on the cards with an awakened face")
    if not header.removeprefix(AWAKENED_MARK).startswith("Ｃａｒｄ．".encode(ENCODING)):
        problems.append("header must continue with Ｃａｒｄ．")
    if (number == 0) != (title == b""):
        problems.append("only the title card has an empty title")
    if not fortune:
        problems.append("empty explanation")
    if creator[:2].decode("ascii", "replace") not in VOICE_CODES:
        problems.append(f"creator line must begin with one of the voice codes {sorted(VOICE_CODES)}")
    if not awakened and awakened_comment:
        problems.append("a comment for an awakened face on a card without one")
    problems += length_problems(title, fortune, creator, url, comment, awakened_comment)
    if not url.isascii():
        problems.append("web address must be plain ASCII")
    return problems


def length_problems(title, fortune, creator, url, comment, awakened_comment) -> list[str]:
    low, high = CREATOR_LINE_RANGE
    limits = [("title", title, MAX_TITLE), ("explanation", fortune, MAX_FORTUNE),
              ("web address", url, MAX_URL), ("comment", comment, MAX_COMMENT),
              ("awakened comment", awakened_comment, MAX_COMMENT), ("creator line", creator, high)]
    problems = [f"{name} is {len(text)} bytes, at most {limit}" for name, text, limit in limits if len(text) > limit]
    if len(creator) < low:
        problems.append(f"creator line is {len(creator)} bytes, at least {low}")
    return problems


def write_table(deck: Deck, folder: Path) -> None:
    data = encode_table(table_lines(deck))
    problems = table_problems(data)
    if problems:
        raise ValueError("card text table is not sound:\n  " + "\n  ".join(problems))
    (folder / "CardT.txt").write_bytes(data)
