#!/usr/bin/env python3
"""Writes the gallery's title picture demo/res/title_picture.bmp: the words "KELM GALERIA" in
block letters (a 5 x 7 pixel font drawn 2 x 2), a one-bit mask (black = ink) 22 pixels high,
the height of a title bar."""
import os
import struct

FONT = {
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01110"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    " ": ["00000"] * 7,
}
TEXT, SCALE, TOP, LEFT, H = "KELM GALERIA", 2, 4, 4, 22
W = LEFT * 2 + len(TEXT) * 6 * SCALE
ink = set()
for i, ch in enumerate(TEXT):
    for row, bits in enumerate(FONT[ch]):
        for col, bit in enumerate(bits):
            if bit == "1":
                for dy in range(SCALE):
                    for dx in range(SCALE):
                        ink.add((LEFT + (i * 6 + col) * SCALE + dx, TOP + row * SCALE + dy))
stride = ((W + 31) // 32) * 4
rows = b""
for y in reversed(range(H)):
    row = bytearray(stride)
    for x in range(W):
        if (x, y) not in ink:  # bit 1: palette entry 1, white paper
            row[x // 8] |= 0x80 >> (x % 8)
    rows += bytes(row)
info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 1, 0, len(rows), 2835, 2835, 2, 2)
palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
offset = 14 + len(info) + len(palette)
here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "..", "demo", "res", "title_picture.bmp"), "wb") as f:
    f.write(struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset) + info + palette + rows)
