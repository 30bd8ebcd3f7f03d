"""Checks that every card text fits the label the program shows it in.

The labels never measure or cut text: what does not fit is clipped. So the texts are
laid out here the way a word-wrapping label does it, with the gothic font at the
label's cell height, and a text that would be clipped is reported.
"""

from dataclasses import dataclass

from PIL import ImageFont

from deck import Card

GOTHIC_FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

# Characters that a Japanese line may not begin with: the line breaker carries the
# character before them down to the next line.
NO_LINE_START = set("、。，．）」』】〕！？ー…・ぁぃぅぇぉっゃゅょァィゥェォッャュョ")


@dataclass(frozen=True)
class Label:
    name: str
    width: int
    height: int
    font_px: int
    wraps: bool

    def max_lines(self) -> int:
        return self.height // self.font_px if self.wraps else 1


TITLE = Label("title", 276, 24, 24, wraps=False)
EXPLANATION = Label("explanation", 228, 121, 12, wraps=True)
CREATOR = Label("creator", 228, 12, 12, wraps=False)


def wrap(text: str, label: Label) -> list[str]:
    font = ImageFont.truetype(GOTHIC_FONT, label.font_px)
    lines = [""]
    for char in text:
        if font.getlength(lines[-1] + char) <= label.width or not lines[-1]:
            lines[-1] += char
        elif char in NO_LINE_START and len(lines[-1]) > 1:
            carried = lines[-1][-1]
            lines[-1] = lines[-1][:-1]
            lines.append(carried + char)
        else:
            lines.append(char)
    return lines


def fit_problems(card: Card) -> list[str]:
    texts = [(TITLE, card.title), (EXPLANATION, card.fortune), (CREATOR, card.creator.name),
             (EXPLANATION, card.comment), (EXPLANATION, card.awakened_comment)]
    problems = []
    for label, text in texts:
        lines = wrap(text, label)
        if len(lines) > label.max_lines():
            problems.append(f"card {card.number}: {text[:12]}... needs {len(lines)} lines "
                            f"in the {label.name} label, which shows {label.max_lines()}")
    return problems
