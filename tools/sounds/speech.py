"""Spoken lines from espeak-ng's Japanese voice, shaped into distinct characters.

espeak-ng reads kana but not kanji, so every line is written in kana. A
character is the espeak voice variant (the timbre), its pitch and speed, and a
sox pitch shift that moves the formants as well, which is what makes a voice
sound smaller or larger rather than just higher or lower.
"""
import subprocess
import tempfile
from dataclasses import dataclass
from pathlib import Path

import sox_chain
import wav_io


@dataclass(frozen=True)
class Character:
    variant: str          # espeak-ng voice variant, e.g. "f3", "m2", "klatt"
    pitch: int            # espeak-ng base pitch, 0 to 99
    speed: int            # words per minute
    shift_cents: int = 0  # sox pitch shift applied afterwards
    tremolo_hz: float = 0.0
    room: int = 35        # reverberance of the room the voice sits in


def espeak(text, character):
    """Renders text with espeak-ng's Japanese voice and returns float samples."""
    with tempfile.TemporaryDirectory() as folder:
        path = Path(folder) / "line.wav"
        subprocess.run(["espeak-ng", "-v", f"ja+{character.variant}", "-p", str(character.pitch),
                        "-s", str(character.speed), "-w", str(path), text], check=True)
        return wav_io.read_pcm16(path)


def speak(text, character):
    """The line spoken by the character, band-limited and placed in a small room."""
    effects = ["highpass", 90, "lowpass", 7500]
    if character.shift_cents:
        effects += ["pitch", character.shift_cents]
    if character.tremolo_hz:
        effects += ["tremolo", character.tremolo_hz, 25]
    voice = sox_chain.run(espeak(text, character) * 0.5, *effects)
    return sox_chain.reverb(voice, reverberance=character.room, room=40, tail=0.35)
