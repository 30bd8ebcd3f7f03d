"""Runs a chain of sox effects over float samples held in memory.

Samples travel to and from sox as raw 32-bit floats, so nothing is quantised
between steps; -D keeps sox from dithering, which makes every run give the
same bytes. sox clips floats beyond full scale, so a loud mix is scaled down on
the way in and back up on the way out.
"""
import subprocess

import numpy as np

from wav_io import RATE

RAW_FLOAT = ["-t", "raw", "-r", str(RATE), "-e", "floating-point", "-b", "32", "-c", "1"]
# Peak the samples are brought to before sox, leaving room for effects that add gain.
HEADROOM_PEAK = 0.25


def run(samples, *effects):
    """Returns samples after the given sox effect arguments, e.g. ("reverb", "40")."""
    scale = HEADROOM_PEAK / (np.max(np.abs(samples)) or 1.0)
    command = ["sox", "-D", "-V1", *RAW_FLOAT, "-", *RAW_FLOAT, "-", *map(str, effects)]
    result = subprocess.run(command, input=np.asarray(samples * scale, dtype="<f4").tobytes(),
                            stdout=subprocess.PIPE, check=True)
    output = np.frombuffer(result.stdout, dtype="<f4").astype(np.float64) / scale
    assert np.max(np.abs(output)) * scale < 1.0, f"sox clipped: {effects}"
    return output


def reverb(samples, reverberance=45, damping=50, room=70, predelay_ms=8, tail=0.6):
    """Adds a soft room to samples; the tail seconds of silence let it ring out."""
    padded = np.concatenate([samples, np.zeros(int(tail * RATE))])
    return run(padded, "reverb", reverberance, damping, room, 100, predelay_ms, -2)
