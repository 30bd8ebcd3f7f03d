"""The spoken sounds: the opening greeting, the mascot's click voices and the
voices of the card creators, each creator with a character of their own."""
from scale import A5, A6, B6, D5, D6, D7, E6, FS5, FS6
from speech import Character, speak
from synth import CELESTA, GLOCKENSPIEL, Timeline, strike

GREETER = Character(variant="f3", pitch=62, speed=165, shift_cents=150)
GREETING = "ようこそ、ルナヴォックスえ。"

# The mascot's two extra click voices; its default one is creator voice 00.
MASCOT_VOICES = {
    "A12": ("えへへっ", Character(variant="f5", pitch=88, speed=190, shift_cents=500, room=25)),
    "A13": ("わあい!", Character(variant="f2", pitch=80, speed=200, shift_cents=400, room=25)),
}

# Voice code -> (line, character): each creator of the deck greets with their
# name (read in kana). Code 00 doubles as the mascot's default click voice, so
# its line stays short and cheerful: the star sprite answers as Mira.
CREATOR_VOICES = {
    0: ("ミラだよ、よろしくね!", Character(variant="f3", pitch=75, speed=185, shift_cents=350, room=25)),
    6: ("がらすこーぼーの アオイです。", Character(variant="f1", pitch=50, speed=150, room=45)),
    11: ("きりえの しづきです。よろしく。", Character(variant="m1", pitch=45, speed=160, shift_cents=-50)),
    13: ("もくはんしの なぎさぶねです!", Character(variant="f5", pitch=80, speed=205, shift_cents=200)),
    20: ("きかの ソラです。", Character(variant="whisperf", pitch=60, speed=140, room=50)),
    21: ("すいさいの こもれびです、よろしく!", Character(variant="m3", pitch=62, speed=180, shift_cents=100)),
    24: ("ピクセルムーンだよ!", Character(variant="klatt", pitch=90, speed=150, shift_cents=700, tremolo_hz=6.0, room=55)),
    25: ("かげえざの ともしびです。", Character(variant="f4", pitch=30, speed=135, shift_cents=-100, room=40)),
    26: ("きんせんざいくの フィリアです!", Character(variant="m7", pitch=90, speed=190, shift_cents=700)),
}

# A small celesta figure before each creator speaks, lifting the voice into the
# same world as the chimes.
CREATOR_CUE = {0: (A6, D7), 6: (D6, A6), 11: (D5, A5), 13: (FS6, B6), 20: (A5, E6),
               21: (D6, FS6), 24: (FS5, D6), 25: (D5, FS5), 26: (A6, D7)}


def greeting():
    """The opening voice: a rising celesta figure, then a welcome."""
    mix = Timeline()
    for i, note in enumerate((D5, FS5, A5, D6)):
        mix.add(0.07 * i, strike(CELESTA, note, 0.9, 0.25))
    mix.add(0.32, speak(GREETING, GREETER))
    return mix.samples


def mascot_voice(name):
    line, character = MASCOT_VOICES[name]
    return speak(line, character)


def creator_voice(code):
    """The creator's line after their two-note cue."""
    line, character = CREATOR_VOICES[code]
    mix = Timeline()
    for i, note in enumerate(CREATOR_CUE[code]):
        mix.add(0.06 * i, strike(GLOCKENSPIEL, note, 0.5, 0.18))
    mix.add(0.10, speak(line, character))
    return mix.samples

