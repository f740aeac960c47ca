#!/usr/bin/env python3
"""Writes the title picture of the frame tests: an 80 x 30 one-bit mask (black = ink) with an
ink block at x 4..59, y 8..21 on paper, so that the title bar's height and its ink are known."""
import os
import struct

W, H = 80, 30
HERE = os.path.dirname(os.path.abspath(__file__))


def ink(x, y):
    return 4 <= x < 60 and 8 <= y < 22


stride = ((W + 31) // 32) * 4
rows = b"".join(
    bytes(bytearray(sum((0x80 >> (x % 8)) for x in range(W) if x // 8 == i and not ink(x, y)) for i in range(stride)))
    for y in reversed(range(H)))
info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 1, 0, len(rows), 2835, 2835, 2, 2)
palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
offset = 14 + len(info) + len(palette)
header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
with open(os.path.join(HERE, "title_mask_3001.bmp"), "wb") as f:
    f.write(header + info + palette + rows)
