"""Checks that the table checker catches the faults the program would trip over.

Run: /usr/bin/python3 -m unittest discover -s tools/cards
"""

import dataclasses
import unittest

import card_table
from card_table import ROLES_PER_CARD, encode_table, table_lines, table_problems
from deck import load_deck
from label_fit import EXPLANATION, fit_problems, wrap


def shipped_lines() -> list[str]:
    return table_lines(load_deck())


def with_line(lines: list[str], index: int, text: str) -> list[str]:
    changed = list(lines)
    changed[index] = text
    return changed


class TableCheckTest(unittest.TestCase):
    def test_shipped_deck_is_sound(self):
        self.assertEqual(table_problems(encode_table(shipped_lines())), [])

    def test_faults_are_reported(self):
        lines = shipped_lines()
        header5, header6 = 5 * ROLES_PER_CARD, 6 * ROLES_PER_CARD
        cases = {
            "mark on a card without a face": with_line(lines, header5, "Ｈ" + lines[header5]),
            "mark missing": with_line(lines, header6, lines[header6].removeprefix("Ｈ")),
            "unknown voice code": with_line(lines, 3 * ROLES_PER_CARD + 3, "07名前"),
            "one-digit voice code": with_line(lines, 3 * ROLES_PER_CARD + 3, "6 名前"),
            "title of 19 bytes": with_line(lines, 8 * ROLES_PER_CARD + 1, "あいうえおかきくけ1"),
            "title on the title card": with_line(lines, 1, "題"),
            "awakened comment on a plain card": with_line(lines, 5 * ROLES_PER_CARD + 6, "朝"),
            "non-ASCII web address": with_line(lines, 4, "https://例.jp/"),
            "line break inside a text": with_line(lines, 2, "一行目\n二行目"),
            "missing line": lines[:-1],
        }
        for name, broken in cases.items():
            with self.subTest(name):
                self.assertNotEqual(table_problems(encode_table(broken)), [])

    def test_bare_lf_line_ends_are_rejected(self):
        data = encode_table(shipped_lines()).replace(b"\r\n", b"\n")
        self.assertNotEqual(table_problems(data), [])

    def test_character_without_cp932_code_names_its_line(self):
        with self.assertRaisesRegex(ValueError, "line 2"):
            encode_table(with_line(shipped_lines(), 2, "月🌙"))

    def test_last_line_has_no_line_end(self):
        data = encode_table(shipped_lines())
        self.assertFalse(data.endswith(b"\r\n"))
        self.assertEqual(data.count(b"\r\n"), card_table.LINE_COUNT - 1)


class LabelFitTest(unittest.TestCase):
    def test_nineteen_full_width_characters_fill_one_line(self):
        self.assertEqual(len(wrap("あ" * 19, EXPLANATION)), 1)
        self.assertEqual(len(wrap("あ" * 20, EXPLANATION)), 2)

    def test_punctuation_never_starts_a_line(self):
        lines = wrap("あ" * 19 + "。いう", EXPLANATION)
        self.assertEqual(lines[1][:2], "あ。")

    def test_overlong_explanation_is_reported(self):
        card = load_deck().cards[1]
        self.assertEqual(fit_problems(card), [])
        self.assertNotEqual(fit_problems(dataclasses.replace(card, fortune="あ" * 200)), [])


if __name__ == "__main__":
    unittest.main()
