"""Review pictures: the generated files put together the way the program
shows them, written as PNGs into the folder given.

    /usr/bin/python3 tools/window_art/preview.py RESOURCES OUTPUT_FOLDER

window_rest.png   the window at start: card, mascot at rest, gauge, labels
window_active.png other looks: fortune enabled, pressed buttons, HEART UP!,
                  excited mascot, full gauge, index page with corner marks
window_turn.png   the card in mid-turn, showing the water and the narrowed frame
wallpaper.png     the card panel cut out with its corners, as the wallpaper maker does
mascot_cells.png  every mascot cell as the window shows it, twice enlarged"""
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import layout  # noqa: E402
from palette import TEXT_GREEN  # noqa: E402
from raster import GOTHIC  # noqa: E402

DESKTOP = (96, 104, 112)


class Window:
    """The program's drawing steps, replayed on the generated pictures."""

    def __init__(self, resources):
        self.resources = resources
        self.base = self._load("Base.jpg")
        self.mask = self._load("BaseMsk.bmp")[..., 0] > 127
        self.buttons = self._load("Button.jpg")
        self.mascot = self._load("Mascot.jpg")
        self.tate = self._load("WakuTate.bmp")
        self.yoko = self._load("WakuYoko.bmp")
        self.nami = self._load("Nami.jpg")
        self.quest = self._load("Quest.jpg")
        self.picture = self.base.copy()

    def _load(self, name):
        path = os.path.join(self.resources, name)
        with Image.open(path) as image:
            return np.asarray(image.convert("RGB")).copy()

    def optional(self, name):
        path = os.path.join(self.resources, name)
        return self._load(name) if os.path.exists(path) else None

    def copy(self, source, sx, sy, w, h, dx, dy):
        if w > 0 and h > 0:
            self.picture[dy:dy + h, dx:dx + w] = source[sy:sy + h, sx:sx + w]

    def button(self, name, state):
        control = layout.CONTROL[name]
        x, y, w, h = control.rect
        self.copy(self.buttons, control.src[0] + w * state, control.src[1], w, h, x, y)

    def mascot_cell(self, pose, row, face):
        x, y, w, h = layout.MASCOT_RECT
        self.copy(self.mascot, (pose * 3 + face) * w, row * h, w, h, x, y)

    def gauge(self, level):
        gx, gy = layout.GAUGE_SHEET_X, layout.GAUGE_SHEET_Y
        x, y, w, h = layout.GAUGE_RECT
        self.copy(self.mascot, gx, gy + h, w, h, x, y)
        v = max(0, min(32, level))
        self.copy(self.mascot, gx + 2, gy + 2 * h + 1, v, 5, x + 2, y + 1)
        self.copy(self.mascot, gx + 2 + v, gy + h + 1, 32 - v, 5, x + 2 + v, y + 1)
        icon = 1 if level == 0 else 2 if level <= 12 else 3
        self.copy(self.mascot, gx + 17, gy + h * icon + 4, 23, 15, x + 17, y + 4)

    def card(self, picture, percent):
        """The card at percent of its width in its frame, as the card turn draws it."""
        nx, ny, nw, nh = layout.NAMI_RECT
        self.picture[ny:ny + nh, nx:nx + nw] = self.nami
        top, height, full = 48, 500, 340
        e = 0 if percent == 100 else 1
        half = max(2, min(full // 2, full * percent // 100 // 2))
        w = 2 * half
        x = (340 - w) // 2 + 36
        if picture is not None:
            stretched = Image.fromarray(picture).resize((w, height), Image.BILINEAR)
            self.picture[top:top + height, x:x + w] = np.asarray(stretched)
        self.copy(self.tate, 0, 0, 4, height + 4, x - 4 + e, top - 2)
        self.copy(self.tate, 4, 0, 4, height + 4, x + w - e, top - 2)
        for sy, dy in ((0, top - 4), (4, top + height)):
            self.copy(self.yoko, 2, sy, half + 2 - e, 4, x - 2 + e, dy)
            self.copy(self.yoko, 174, sy, half + 2 - e, 4, 206, dy)
        for sx, sy, dx, dy in ((1, 1, x - 3 + e, top - 3), (346, 1, x + w + 2 - e, top - 3),
                               (1, 6, x - 3 + e, top + height + 2),
                               (346, 6, x + w + 2 - e, top + height + 2)):
            self.copy(self.yoko, sx, sy, 1, 1, dx, dy)

    def index_page(self, page, card, seen):
        picture = self.optional(f"Index{page:02d}.jpg")
        if picture is not None:
            self.picture[63:63 + 142, 458:458 + 238] = picture
        for i in range(10):
            if 10 * page + i not in seen and 10 * page + i != 0:
                x, y = 458 + (i % 5) * 48, 63 if i < 5 else 137
                self.picture[y:y + 68, x:x + 46] = self.quest
        self.corner_marks(card % 10, 0)

    def corner_marks(self, cell, style):
        dx, dy = 458 + (cell % 5) * 48, 63 if cell < 5 else 137
        vx, hx1, hx2, sy = 118 + 16 * style, 124 + 16 * style, 122 + 16 * style, 58
        for ox, oy in ((0, 0), (43, 0), (0, 57), (43, 57)):
            self.copy(self.buttons, vx, sy, 3, 11, dx + ox, dy + oy)
        for sx, ox, oy in ((hx1, 2, 0), (hx2, 35, 0), (hx1, 2, 65), (hx2, 35, 65)):
            self.copy(self.buttons, sx, sy, 9, 3, dx + ox, dy + oy)

    def labels(self, number, title, text):
        image = Image.fromarray(self.picture)
        draw = ImageDraw.Draw(image)
        small, big = ImageFont.truetype(GOTHIC, 12), ImageFont.truetype(GOTHIC, 22)
        ink = TEXT_GREEN
        draw.text((470, 301), number, font=small, fill=ink, anchor="mm")
        draw.text((577, 315), title, font=big, fill=ink, anchor="mm")
        for i, line in enumerate(text):
            draw.text((463, 398 + 14 * i), line, font=small, fill=ink)
        self.picture = np.asarray(image).copy()

    def shaped(self):
        """The window as seen on a grey desktop."""
        out = np.empty((self.picture.shape[0] + 16, self.picture.shape[1] + 16, 3), np.uint8)
        out[:] = DESKTOP
        view = out[8:-8, 8:-8]
        view[self.mask] = self.picture[self.mask]
        return out


def preview_rest(window, card):
    window.card(card, 100)
    window.mascot_cell(0, 0, 1)
    window.gauge(0)
    window.labels("CARD.000", "ルナヴォックスへようこそ",
                  ["願い事を書いて『占い実行』を押して下さい。", "月の光があなたの道を照らします☆"])
    return window.shaped()


def preview_active(window, card):
    window.card(card, 100)
    window.button("fortune", 1)
    window.button("random", 2)
    window.button("next", 2)
    window.button("prev", 2)
    window.button("homepage", 0)
    window.button("creator", 2)
    window.button("transform", 1)
    window.button("wish_plate", 1)
    window.button("explanation_plate", 1)
    window.button("close", 0)
    window.button("minimize", 2)
    window.mascot_cell(2, 0, 2)
    window.gauge(20)
    window.index_page(0, 3, seen={1, 2, 3, 5, 8})
    window.labels("CARD.003", "女帝", ["豊かさと実りのカードです。"])
    return window.shaped()


def preview_turn(window, card):
    window.card(card, 35)
    window.button("fortune", 2)
    window.button("transform", 3)
    window.mascot_cell(3, 0, 0)
    window.gauge(7)
    return window.shaped()


def wallpaper(window, card):
    """The card panel block with its 45-degree corners on a black, starry ground."""
    window.card(card, 100)
    x, y, w, h = layout.CARD_PANEL
    c = layout.CARD_PANEL_CHAMFER
    margin = 40
    out = np.zeros((h + 2 * margin, w + 2 * margin, 3), np.uint8)
    rng = np.random.default_rng(3)
    out[rng.integers(0, out.shape[0], 300), rng.integers(0, out.shape[1], 300)] = (150, 150, 200)
    for row in range(h):
        cut = max(c - row, row - (h - 1 - c), 0)
        out[margin + row, margin + cut:margin + w - cut] = window.picture[y + row, x + cut:x + w - cut]
    return out


def mascot_cells(window):
    w, h = layout.MASCOT_RECT[2:]
    columns, rows = layout.MASCOT_GRID
    sheet = np.zeros((rows * h, columns * w, 3), np.uint8)
    for column in range(columns):
        for row in range(rows):
            window.mascot_cell(column // 3, row, column % 3)
            sheet[row * h:(row + 1) * h, column * w:(column + 1) * w] = \
                layout.crop(window.picture, layout.MASCOT_RECT)
    return np.repeat(np.repeat(sheet, 2, axis=0), 2, axis=1)


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: preview.py RESOURCES OUTPUT_FOLDER")
    resources, out = argv[1], argv[2]
    os.makedirs(out, exist_ok=True)
    card = Window(resources).optional("C000.jpg")
    views = {"window_rest.png": preview_rest, "window_active.png": preview_active,
             "window_turn.png": preview_turn, "wallpaper.png": wallpaper}
    for name, view in views.items():
        Image.fromarray(view(Window(resources), card)).save(os.path.join(out, name))
    Image.fromarray(mascot_cells(Window(resources))).save(os.path.join(out, "mascot_cells.png"))


if __name__ == "__main__":
    main(sys.argv)
