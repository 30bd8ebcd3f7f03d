"""The event sounds: card turn, random draw, index mode, window handling and clicks.

All of them use the same celesta, glockenspiel and bell timbres, so any two
played in a row sound like one instrument.
"""
import numpy as np

import sox_chain
from scale import A5, A6, B6, D4, D5, D6, D7, E6, E7, FS5, FS6, PENTATONIC
from synth import CELESTA, GLOCKENSPIEL, SOFT_BELL, Timeline, strike, whoosh
from wav_io import RATE

# Notes in the shuffling run of the random draw before it lands.
RUN_NOTES = 12


def card_turn():
    """The card turning over: an airy sweep out and back, a celesta rising while the
    old face closes, and a bell chord blooming as the new face opens."""
    mix = Timeline()
    mix.add(0.00, whoosh(0.62, 600, 3400, seed=21, peak_at=0.45), 0.35)
    mix.add(0.52, whoosh(0.50, 3200, 900, seed=22, peak_at=0.35), 0.22)
    for i, note in enumerate((D5, FS5, A5, D6)):
        mix.add(0.03 + 0.085 * i, strike(CELESTA, note, 0.8, 0.45 + 0.07 * i))
    mix.add(0.40, strike(GLOCKENSPIEL, A6, 0.7, 0.30))
    mix.add(0.62, strike(SOFT_BELL, D5, 1.05, 0.55, ring=0.6))
    for i, note in enumerate((D6, FS6, A6)):
        mix.add(0.62 + 0.025 * i, strike(CELESTA, note, 1.0, 0.45, ring=0.8))
    mix.add(0.70, strike(GLOCKENSPIEL, D7, 0.9, 0.22))
    return sox_chain.reverb(mix.samples, reverberance=50, room=80, tail=0.35)


def random_draw():
    """Stars shuffled like cards: a fluttering sweep under a run of glockenspiel notes
    picked at random, landing on a bright chord over a warm low bell."""
    rng = np.random.default_rng(3)
    mix = Timeline()
    riffle = whoosh(0.75, 1400, 4600, seed=31, peak_at=0.6)
    flutter = 0.65 + 0.35 * np.sin(2 * np.pi * 13.0 * np.arange(len(riffle)) / RATE)
    mix.add(0.0, riffle * flutter, 0.28)
    previous = None
    for i in range(RUN_NOTES):
        note = rng.choice([n for n in PENTATONIC[3:] if n != previous])
        previous = note
        at = 0.03 + 0.05 * i + rng.uniform(-0.008, 0.008)
        mix.add(at, strike(GLOCKENSPIEL, int(note), 0.3, 0.16 + 0.22 * i / (RUN_NOTES - 1)))
    landing = 0.03 + 0.05 * RUN_NOTES
    mix.add(landing, strike(SOFT_BELL, D4, 0.9, 0.40, ring=0.5))
    mix.add(landing, strike(GLOCKENSPIEL, A6, 0.9, 0.55))
    mix.add(landing + 0.03, strike(GLOCKENSPIEL, D7, 0.8, 0.38))
    mix.add(landing + 0.06, strike(CELESTA, FS6, 0.8, 0.30))
    return sox_chain.reverb(mix.samples, reverberance=45, room=75, tail=0.35)


def index_pick():
    """A card chosen from the index: a bright two-note celesta tap."""
    mix = Timeline().add(0.0, strike(CELESTA, A5, 0.35, 0.7)).add(0.06, strike(CELESTA, E6, 0.40))
    return sox_chain.reverb(mix.samples, tail=0.2)


def arpeggio_with_sweep(notes, sweep_from_hz, sweep_to_hz, seed):
    """A quick glockenspiel arpeggio riding on a sweep; index mode opens and closes with it."""
    mix = Timeline().add(0.0, whoosh(0.40, sweep_from_hz, sweep_to_hz, seed, peak_at=0.4), 0.14)
    for i, note in enumerate(notes):
        mix.add(0.02 + 0.07 * i, strike(GLOCKENSPIEL, note, 0.55, 0.45 + 0.05 * i))
    return sox_chain.reverb(mix.samples, tail=0.3)


def index_open():
    return arpeggio_with_sweep((FS5, A5, D6), 800, 2600, seed=51)


def index_close():
    return arpeggio_with_sweep((D6, A5, FS5), 2600, 800, seed=61)


def clear():
    """The wish wiped away or the gauge reset: a falling puff and a celesta sliding down."""
    mix = Timeline()
    mix.add(0.0, whoosh(0.50, 3000, 600, seed=71, peak_at=0.25), 0.20)
    mix.add(0.0, strike(CELESTA, A6, 0.50, 0.45, glide_to=A5))
    mix.add(0.18, strike(SOFT_BELL, D5, 0.55, 0.30))
    return sox_chain.reverb(mix.samples, tail=0.3)


def page_turn():
    """An index page turning: a quick papery sweep ending in a small glint."""
    mix = Timeline()
    mix.add(0.0, whoosh(0.22, 1200, 4200, seed=81, peak_at=0.3, q=0.8), 0.30)
    mix.add(0.12, strike(GLOCKENSPIEL, B6, 0.30, 0.35))
    return sox_chain.reverb(mix.samples, tail=0.2)


def grab():
    """The window taken hold of: a soft low celesta bloop that lifts a little."""
    mix = Timeline()
    mix.add(0.0, strike(CELESTA, D5, 0.30, 0.7, glide_to=A5))
    mix.add(0.0, whoosh(0.12, 500, 1500, seed=91, peak_at=0.3), 0.05)
    return sox_chain.reverb(mix.samples, reverberance=30, tail=0.15)


def tick():
    """Release or a menu command confirmed: the softest celesta tick."""
    mix = Timeline().add(0.0, strike(CELESTA, A6, 0.16, 0.7)).add(0.0, strike(GLOCKENSPIEL, D7, 0.1, 0.1))
    return sox_chain.reverb(mix.samples, reverberance=25, tail=0.1)


def twinkle():
    """A light click or the menu opening: two tiny glockenspiel sparks over a faint breath."""
    mix = Timeline()
    mix.add(0.0, whoosh(0.20, 3000, 5000, seed=101, peak_at=0.3), 0.05)
    mix.add(0.0, strike(GLOCKENSPIEL, B6, 0.25, 0.5)).add(0.05, strike(GLOCKENSPIEL, E7, 0.3, 0.45))
    return sox_chain.reverb(mix.samples, tail=0.2)
