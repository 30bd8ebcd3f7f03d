"""Encoding of a 32 x 32 two-colour picture as a Windows .cur file.

Layout: a 6-byte directory header (type 2 = cursor, one entry), one 16-byte
entry whose bytes 4-7 hold the hot spot, then the image: a BITMAPINFOHEADER
whose height counts both masks (64), a black-and-white palette, the XOR
(colour) mask and the AND (transparency) mask, each 1 bit per pixel with rows
bottom-up and padded to 4 bytes.
"""
import struct

import numpy as np

SIZE = 32
TRANSPARENT, BLACK, WHITE = 0, 1, 2
PALETTE = bytes([0, 0, 0, 0, 255, 255, 255, 0])  # index 0 black, 1 white (as B, G, R, 0)


def pack_rows(bits):
    """1-bit rows, bottom row first, each padded to a multiple of 4 bytes."""
    packed = np.packbits(bits[::-1].astype(np.uint8), axis=1)
    padding = (-packed.shape[1]) % 4
    return np.pad(packed, ((0, 0), (0, padding))).tobytes()


def encode(picture, hot_x, hot_y):
    """Returns the .cur bytes of a SIZE x SIZE array of TRANSPARENT, BLACK and WHITE."""
    picture = np.asarray(picture)
    assert picture.shape == (SIZE, SIZE)
    xor_mask = pack_rows(picture == WHITE)
    and_mask = pack_rows(picture == TRANSPARENT)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0,
                       len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    image = info + PALETTE + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hot_x, hot_y, len(image),
                        len(directory) + 16)
    return directory + entry + image
