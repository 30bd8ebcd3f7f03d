"""Writers for the picture files, each reading its file back to check it."""
import struct

import numpy as np
from PIL import Image

JPEG_QUALITY = 92


def write_jpeg(path, rgb):
    """Baseline JPEG, 3 components, no chroma subsampling; returns the decoded picture."""
    Image.fromarray(rgb, "RGB").save(path, "JPEG", quality=JPEG_QUALITY, subsampling=0,
                                     progressive=False, optimize=False)
    with Image.open(path) as check:
        assert check.format == "JPEG" and check.mode == "RGB"
        assert check.size == (rgb.shape[1], rgb.shape[0])
        assert not check.info.get("progressive") and not check.info.get("progression")
        decoded = np.asarray(check, np.float32)
    error = np.abs(decoded - rgb.astype(np.float32)).mean()
    assert error < 4.0, f"{path}: JPEG drifts by {error:.2f} on average"
    return decoded


def _bmp_bytes(indices, palette, bits):
    """A bottom-up palette BMP with BITMAPINFOHEADER."""
    height, width = indices.shape
    per_byte = 8 // bits
    row_bytes = (width * bits + 31) // 32 * 4
    rows = []
    for row in indices[::-1]:
        padded = np.zeros(row_bytes * per_byte, np.uint8)
        padded[:width] = row
        groups = padded.reshape(-1, per_byte)
        shifts = np.arange(per_byte - 1, -1, -1, dtype=np.uint8) * bits
        rows.append((groups << shifts).sum(axis=1).astype(np.uint8).tobytes())
    pixels = b"".join(rows)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels),
                       2835, 2835, len(palette), len(palette))
    return header + info + colours + pixels


def write_palette_bmp(path, indices, palette, bits):
    """1- or 4-bit BMP of palette indices; checked by decoding it again."""
    assert len(palette) <= 1 << bits and indices.max() < len(palette)
    full = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    with open(path, "wb") as out:
        out.write(_bmp_bytes(indices.astype(np.uint8), full, bits))
    with Image.open(path) as check:
        assert check.format == "BMP" and check.size == (indices.shape[1], indices.shape[0])
        expected = np.array(full, np.uint8)[indices]
        assert np.array_equal(np.asarray(check.convert("RGB")), expected), path


def write_mask_bmp(path, mask):
    """1-bit BMP, palette black then white, white inside."""
    write_palette_bmp(path, mask.astype(np.uint8), [(0, 0, 0), (255, 255, 255)], 1)
