"""Reading and writing mono 16-bit PCM WAVE files at the program's sample rate.

The program parses the RIFF header itself, so every file written here has the
plain 44-byte layout: a 16-byte "fmt " chunk followed directly by "data".
"""
import struct

import numpy as np

RATE = 22050
HEADER_SIZE = 44


def write_pcm16(path, samples):
    """Writes float samples in [-1, 1] as a 44-byte-header PCM WAVE file."""
    pcm = np.round(np.clip(samples, -1.0, 1.0) * 32767.0).astype("<i2").tobytes()
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE * 2, 2, 16)
    header = (b"RIFF" + struct.pack("<I", 36 + len(pcm)) + b"WAVE"
              + b"fmt " + struct.pack("<I", len(fmt)) + fmt
              + b"data" + struct.pack("<I", len(pcm)))
    assert len(header) == HEADER_SIZE
    with open(path, "wb") as f:
        f.write(header + pcm)


def read_pcm16(path):
    """Reads a mono 16-bit PCM WAVE file at RATE (as espeak-ng writes) into floats."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError(f"{path}: not a RIFF WAVE file")
    pos, fmt, pcm = 12, None, None
    while pos + 8 <= len(data):
        chunk_id = data[pos:pos + 4]
        size = struct.unpack_from("<I", data, pos + 4)[0]
        body = data[pos + 8:pos + 8 + size]
        if chunk_id == b"fmt ":
            fmt = struct.unpack_from("<HHIIHH", body)
        elif chunk_id == b"data":
            pcm = body
        pos += 8 + size + (size & 1)
    if fmt is None or pcm is None:
        raise ValueError(f"{path}: missing fmt or data chunk")
    tag, channels, rate, _, _, bits = fmt
    if (tag, channels, rate, bits) != (1, 1, RATE, 16):
        raise ValueError(f"{path}: expected PCM mono {RATE} Hz 16-bit, got {fmt}")
    usable = len(pcm) - len(pcm) % 2
    return np.frombuffer(pcm[:usable], dtype="<i2").astype(np.float64) / 32768.0
