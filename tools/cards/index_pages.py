"""The three index pages: ten card thumbnails each, in two rows of five on a dark ground."""

from PIL import Image

from layout import THUMB_HEIGHT, THUMB_WIDTH
from palette import NIGHT

PAGE_WIDTH, PAGE_HEIGHT = 238, 142
CARDS_PER_PAGE = 10
PAGE_COUNT = 3
COLUMN_STEP, LOWER_ROW_TOP = 48, 74


def cell_origin(cell: int) -> tuple[int, int]:
    return (cell % 5) * COLUMN_STEP, 0 if cell < 5 else LOWER_ROW_TOP


def thumbnail(face: Image.Image) -> Image.Image:
    return face.resize((THUMB_WIDTH, THUMB_HEIGHT), Image.LANCZOS, reducing_gap=3.0)


def index_page(page: int, faces: list[Image.Image]) -> Image.Image:
    """faces[n] is the normal face of card n; page P shows cards 10P to 10P + 9."""
    sheet = Image.new("RGB", (PAGE_WIDTH, PAGE_HEIGHT), NIGHT)
    for cell in range(CARDS_PER_PAGE):
        sheet.paste(thumbnail(faces[page * CARDS_PER_PAGE + cell]), cell_origin(cell))
    return sheet
