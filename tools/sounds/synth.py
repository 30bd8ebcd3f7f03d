"""Synthesis of the toy's one family of timbres: struck bars, soft bells and
airy noise sweeps, plus a small timeline to lay them out on."""
import math
from dataclasses import dataclass

import numpy as np

from wav_io import RATE

# Decay times of the timbres are given for this pitch; higher notes ring shorter.
DECAY_REFERENCE_HZ = 880.0
# The last part of a note (this fraction of its length) is damped smoothly, so a
# note ends like a hand resting on the bar, never with a click.
NOTE_RELEASE_FRACTION = 0.3


def sample_count(seconds):
    return int(round(seconds * RATE))


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def ramp(count):
    """A raised-cosine rise from 0 to 1 over count samples."""
    return 0.5 - 0.5 * np.cos(np.linspace(0.0, math.pi, max(count, 1)))


def hump(count, peak_at=0.5):
    """A smooth envelope that rises from 0 to 1 at peak_at (a fraction) and falls back to 0."""
    rise = min(max(int(count * peak_at), 1), count)
    return np.concatenate([ramp(rise), ramp(count - rise)[::-1]])[:count]


@dataclass(frozen=True)
class Timbre:
    """Partials as (frequency ratio, amplitude, decay seconds), and the attack time."""
    partials: tuple
    attack: float


CELESTA = Timbre(((1.0, 1.0, 0.9), (2.0, 0.28, 0.35), (3.0, 0.10, 0.18), (4.1, 0.04, 0.10)),
                 attack=0.004)
GLOCKENSPIEL = Timbre(((1.0, 1.0, 1.3), (2.76, 0.30, 0.40), (5.40, 0.11, 0.18),
                       (8.93, 0.04, 0.08)), attack=0.003)
SOFT_BELL = Timbre(((0.5, 0.20, 2.2), (1.0, 1.0, 1.6), (1.19, 0.28, 1.1), (1.5, 0.20, 0.9),
                    (2.0, 0.24, 0.7), (2.52, 0.09, 0.4), (3.0, 0.05, 0.3)), attack=0.012)


def strike(timbre, note, length, velocity=1.0, glide_to=None, ring=1.0):
    """One struck note of the timbre, optionally gliding in pitch to another note;
    ring scales how long it sounds (below 1 damps it).

    Partials above the Nyquist limit are left out, so high notes stay clean.
    """
    count = sample_count(length)
    t = np.arange(count) / RATE
    end_note = note if glide_to is None else glide_to
    base_hz = midi_hz(np.linspace(note, end_note, count))
    decay_scale = ring * math.sqrt(DECAY_REFERENCE_HZ / midi_hz(note))
    tone = np.zeros(count)
    for ratio, amplitude, decay in timbre.partials:
        if midi_hz(max(note, end_note)) * ratio >= RATE * 0.45:
            continue
        phase = 2.0 * math.pi * np.cumsum(base_hz * ratio) / RATE
        tone += amplitude * np.exp(-t / (decay * decay_scale)) * np.sin(phase)
    attack, release = sample_count(timbre.attack), int(count * NOTE_RELEASE_FRACTION)
    tone[:attack] *= ramp(attack)
    tone[-release:] *= ramp(release)[::-1]
    return velocity * tone


def band_noise(length, start_hz, end_hz, seed, q=1.5):
    """White noise through a band-pass whose centre sweeps from start_hz to end_hz.

    The filter is a zero-delay state-variable filter, stable at every centre
    frequency, so the sweep may run as high as the sample rate allows.
    """
    count = sample_count(length)
    noise = np.random.default_rng(seed).standard_normal(count)
    centre = np.geomspace(start_hz, end_hz, count)
    g = np.tan(math.pi * np.minimum(centre, RATE * 0.45) / RATE)
    k = 1.0 / q
    a1 = 1.0 / (1.0 + g * (g + k))
    a2 = g * a1
    a3 = g * a2
    band = np.empty(count)
    ic1 = ic2 = 0.0
    for i in range(count):
        v3 = noise[i] - ic2
        v1 = a1[i] * ic1 + a2[i] * v3
        v2 = ic2 + a2[i] * ic1 + a3[i] * v3
        ic1, ic2 = 2.0 * v1 - ic1, 2.0 * v2 - ic2
        band[i] = v1
    return band / (np.max(np.abs(band)) or 1.0)


def whoosh(length, start_hz, end_hz, seed, peak_at=0.5, q=1.5):
    """An airy sweep: band noise under a smooth swell."""
    sweep = band_noise(length, start_hz, end_hz, seed, q)
    return sweep * hump(len(sweep), peak_at)


class Timeline:
    """A mono mix that grows as sounds are placed on it."""

    def __init__(self):
        self.samples = np.zeros(0)

    def add(self, at, sound, gain=1.0):
        start = sample_count(at)
        end = start + len(sound)
        if end > len(self.samples):
            self.samples = np.concatenate([self.samples, np.zeros(end - len(self.samples))])
        self.samples[start:end] += gain * sound
        return self
