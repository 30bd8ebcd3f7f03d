"""Chimes for the voice codes that no card uses: each a short motif of its own, so
a table edited to use one of these codes still plays something pleasant."""
import numpy as np

import sox_chain
from scale import PENTATONIC
from synth import CELESTA, GLOCKENSPIEL, SOFT_BELL, Timeline, strike

TIMBRES = (CELESTA, GLOCKENSPIEL, SOFT_BELL)


def motif(code):
    """(timbre index, notes, spacing seconds) of the chime for a voice code."""
    rng = np.random.default_rng(1000 + code)
    notes = tuple(int(n) for n in rng.choice(PENTATONIC, 3 + code % 2, replace=False))
    return code % len(TIMBRES), notes, 0.08 + 0.02 * (code % 4)


def spare_chime(code):
    timbre, notes, spacing = motif(code)
    mix = Timeline()
    for i, note in enumerate(notes):
        mix.add(spacing * i, strike(TIMBRES[timbre], note, 0.6, 0.5 + 0.1 * (i == len(notes) - 1)))
    return sox_chain.reverb(mix.samples, tail=0.3)
