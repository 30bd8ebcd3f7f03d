"""Writes the program's 40 sounds, A01.wav to A13.wav and B00.wav to B26.wav.

Usage: /usr/bin/python3 tools/sounds/generate.py OUTPUT_FOLDER

A01 greets the user at start, A02 to A11 are the event sounds, A12 and A13 the
mascot's extra click voices; B00 to B26 are the creator voices chosen by the
voice code of a card's creator line (B00 is also the mascot's default voice).
Codes without a creator get a chime. Every run gives the same bytes.
"""
import sys
from pathlib import Path

import chimes
import effects
import mastering
import voices
import wav_io

VOICE_CODES = range(27)
MAX_EFFECT_SECONDS = 2.0
MAX_VOICE_SECONDS = 3.0


def catalogue():
    """Sound name -> (render function, longest allowed length in seconds)."""
    sounds = {
        "A01": (voices.greeting, MAX_VOICE_SECONDS),
        "A02": (effects.card_turn, MAX_EFFECT_SECONDS),
        "A03": (effects.random_draw, MAX_EFFECT_SECONDS),
        "A04": (effects.index_pick, MAX_EFFECT_SECONDS),
        "A05": (effects.index_open, MAX_EFFECT_SECONDS),
        "A06": (effects.index_close, MAX_EFFECT_SECONDS),
        "A07": (effects.clear, MAX_EFFECT_SECONDS),
        "A08": (effects.page_turn, MAX_EFFECT_SECONDS),
        "A09": (effects.grab, MAX_EFFECT_SECONDS),
        "A10": (effects.tick, MAX_EFFECT_SECONDS),
        "A11": (effects.twinkle, MAX_EFFECT_SECONDS),
    }
    for name in voices.MASCOT_VOICES:
        sounds[name] = (lambda name=name: voices.mascot_voice(name), MAX_EFFECT_SECONDS)
    for code in VOICE_CODES:
        if code in voices.CREATOR_VOICES:
            sounds[f"B{code:02d}"] = (lambda code=code: voices.creator_voice(code), MAX_VOICE_SECONDS)
        else:
            sounds[f"B{code:02d}"] = (lambda code=code: chimes.spare_chime(code), MAX_EFFECT_SECONDS)
    return sounds


def check_spare_chimes_differ():
    spare = [chimes.motif(code) for code in VOICE_CODES if code not in voices.CREATOR_VOICES]
    assert len(set(spare)) == len(spare), "two spare chimes share a motif"


def main(argv):
    if len(argv) != 2:
        sys.exit(f"usage: {argv[0]} OUTPUT_FOLDER")
    folder = Path(argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    check_spare_chimes_differ()
    print(f"{'name':5} {'seconds':>7} {'peak dB':>8} {'loud dB':>8}")
    for name, (render, longest) in sorted(catalogue().items()):
        sound = mastering.finish(render())
        seconds = len(sound) / wav_io.RATE
        assert seconds <= longest, f"{name} lasts {seconds:.2f} s, more than {longest} s"
        wav_io.write_pcm16(folder / f"{name}.wav", sound)
        print(f"{name:5} {seconds:7.2f} {mastering.peak_db(sound):8.1f} "
              f"{mastering.loudness_db(sound):8.1f}")


if __name__ == "__main__":
    main(sys.argv)
