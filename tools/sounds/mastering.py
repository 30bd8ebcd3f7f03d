"""The last steps every sound goes through: trimmed, faded and brought to one loudness.

Loudness is measured as the RMS of the loudest 100 ms window after a weighting
that, like the broadcast loudness curves, counts treble more than bass, since
the ear does. That tracks how loud a short chime or a spoken word seems far
better than its peak does. A peak ceiling keeps sharp attacks from clipping; a
sound limited by it ends up a little under the common level rather than
distorted.
"""
import math

import numpy as np

from synth import ramp, sample_count
from wav_io import RATE

TARGET_LOUDNESS_DB = -12.0
PEAK_CEILING_DB = -1.0
SILENCE_DB = -48.0
FADE_IN_SECONDS = 0.004
FADE_OUT_SECONDS = 0.100
KEPT_TAIL_SECONDS = 0.030
LOUDNESS_WINDOW_SECONDS = 0.100
# The weighting: a high shelf of +4 dB from about 1.7 kHz and a high-pass near 40 Hz.
SHELF_HZ, SHELF_GAIN_DB, HIGHPASS_HZ = 1700.0, 4.0, 40.0


def to_db(amplitude):
    return 20.0 * math.log10(max(amplitude, 1e-12))


def peak_db(samples):
    return to_db(float(np.max(np.abs(samples))))


def weighted(samples):
    """The samples filtered by the loudness weighting (zero phase, in the frequency domain)."""
    f = np.fft.rfftfreq(len(samples), 1.0 / RATE)
    shelf_gain = 10.0 ** (SHELF_GAIN_DB / 20.0)
    shelf = np.sqrt((1.0 + (f / SHELF_HZ) ** 2 * shelf_gain ** 2) / (1.0 + (f / SHELF_HZ) ** 2))
    highpass = (f / HIGHPASS_HZ) ** 2 / np.sqrt(1.0 + (f / HIGHPASS_HZ) ** 4)
    return np.fft.irfft(np.fft.rfft(samples) * shelf * highpass, len(samples))


def loudness_db(samples):
    """Weighted RMS, in dBFS, of the loudest window of LOUDNESS_WINDOW_SECONDS."""
    window = min(sample_count(LOUDNESS_WINDOW_SECONDS), len(samples))
    energy = np.convolve(weighted(samples) ** 2, np.ones(window) / window, mode="valid")
    return 10.0 * math.log10(max(float(np.max(energy)), 1e-24))


def trim_silence(samples):
    """Cuts what lies below SILENCE_DB (relative to the peak) at both ends."""
    threshold = np.max(np.abs(samples)) * 10.0 ** (SILENCE_DB / 20.0)
    audible = np.flatnonzero(np.abs(samples) > threshold)
    end = min(len(samples), audible[-1] + 1 + sample_count(KEPT_TAIL_SECONDS))
    return samples[audible[0]:end]


def finish(samples):
    """Returns the sound ready to write: no DC, no silent ends, faded, at the common level."""
    sound = trim_silence(samples - np.mean(samples))
    fade_in, fade_out = sample_count(FADE_IN_SECONDS), sample_count(FADE_OUT_SECONDS)
    sound[:fade_in] *= ramp(fade_in)
    sound[-fade_out:] *= ramp(fade_out)[::-1]
    gain_db = min(TARGET_LOUDNESS_DB - loudness_db(sound), PEAK_CEILING_DB - peak_db(sound))
    return sound * 10.0 ** (gain_db / 20.0)
