#!/usr/bin/env python3
"""Generates Tapkey's pictures and sounds into tapkey/res/.

    python3 tools/gen_tapkey_res.py           write the files
    python3 tools/gen_tapkey_res.py --check   only compare them with what is on disk

Python 3 standard library only; the output is byte-identical on every run.

The character board takes the Morse codes from the table in tapkey/Tablica_kodow.cpp, so the
board always shows the codes the widget keys and recognises.

Files:
  board_normal.bmp  129  321x190 24 bit  white characters and codes on dark blue cells
  board_mask.bmp    130  321x190  1 bit  black over every cell, white over the empty places
  board_flash.bmp   131  321x190 24 bit  the cells on yellow, dark blue characters
  board_hover.bmp   132  321x190 24 bit  dark blue cells with red outlines
  key_dark.bmp      133  321x80  24 bit  telegraph key with a dark (blue) lamp at its left
  key_lit.bmp       134  321x80  24 bit  the same with the lamp lit (orange)
  mouse_both.bmp    137  15x21    1 bit  mask: mouse with both buttons inked
  mouse_left.bmp    138  15x21    1 bit  mask: mouse with only the left button inked
  M_KROPKA.WAV           dot tone,  800 Hz, 120 ms, 16-bit mono 22050 Hz, 5 ms ramps
  M_KRESKA.WAV           dash tone, 800 Hz, 360 ms, same format
  Tapkey.rc, TapkeyResIds.h
"""

import math
import os
import re
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "tapkey", "res")
TABLE_SOURCE = os.path.join(ROOT, "tapkey", "Tablica_kodow.cpp")

# ---------------------------------------------------------------------------------------------
# Resources

RESOURCES = [
    # id, constant, file, comment
    (129, "IDB_TAPKEY_BOARD_NORMAL", "board_normal.bmp", "character board, normal look (24 bit)"),
    (130, "IDB_TAPKEY_BOARD_MASK", "board_mask.bmp", "character board cells mask (1 bit, black = cell)"),
    (131, "IDB_TAPKEY_BOARD_FLASH", "board_flash.bmp", "character board, flashed look (24 bit)"),
    (132, "IDB_TAPKEY_BOARD_HOVER", "board_hover.bmp", "character board, hover look (24 bit)"),
    (133, "IDB_TAPKEY_KEY_DARK", "key_dark.bmp", "telegraph key, dark lamp (24 bit)"),
    (134, "IDB_TAPKEY_KEY_LIT", "key_lit.bmp", "telegraph key, lit lamp (24 bit)"),
    (137, "IDB_TAPKEY_MOUSE_BOTH", "mouse_both.bmp", "mask: mouse, both buttons inked (1 bit)"),
    (138, "IDB_TAPKEY_MOUSE_LEFT", "mouse_left.bmp", "mask: mouse, left button inked (1 bit)"),
]

# ---------------------------------------------------------------------------------------------
# Morse codes from the C++ table

def read_codes():
    """Character -> code text ('.' dot, '-' dash) for every table entry with a sign."""
    with open(TABLE_SOURCE, encoding="utf-8") as f:
        text = f.read()
    entries = re.findall(r'Z\("([.\-]*)"\),\s*//\s*(\d+)', text)
    numbers = [int(n) for _, n in entries]
    if numbers != list(range(40, 123)):
        sys.exit("gen_tapkey_res: unexpected table layout in %s" % TABLE_SOURCE)
    return {chr(int(n)): code for code, n in entries if code}

# ---------------------------------------------------------------------------------------------
# Pixel font: 5 columns; rows 0-1 accents, row 2 free, rows 3-9 the letter, rows 10-11 ogonek.

FONT_BODY = {
    "A": ".###. #...# #...# ##### #...# #...# #...#",
    "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.",
    "D": "####. #...# #...# #...# #...# #...# ####.",
    "E": "##### #.... #.... ####. #.... #.... #####",
    "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####",
    "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "J": "..### ...#. ...#. ...#. ...#. #..#. .##..",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    "N": "#...# #...# ##..# #.#.# #..## #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.",
    "P": "####. #...# #...# ####. #.... #.... #....",
    "Q": ".###. #...# #...# #...# #.#.# #..#. .##.#",
    "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".#### #.... #.... .###. ....# ....# ####.",
    "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.",
    "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    "X": "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    "Y": "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    "Z": "##### ....# ...#. ..#.. .#... #.... #####",
    "0": ".###. #...# #..## #.#.# ##..# #...# .###.",
    "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    "2": ".###. #...# ....# ...#. ..#.. .#... #####",
    "3": "##### ...#. ..#.. ...#. ....# #...# .###.",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    "5": "##### #.... ####. ....# ....# #...# .###.",
    "6": "..##. .#... #.... ####. #...# #...# .###.",
    "7": "##### ....# ...#. ..#.. .#... .#... .#...",
    "8": ".###. #...# #...# .###. #...# #...# .###.",
    "9": ".###. #...# #...# .#### ....# ...#. .##..",
    ".": "..... ..... ..... ..... ..... .##.. .##..",
    ",": "..... ..... ..... ..... .##.. ..#.. .#...",
    ":": "..... .##.. .##.. ..... .##.. .##.. .....",
    "?": ".###. #...# ....# ...#. ..#.. ..... ..#..",
    "-": "..... ..... ..... ##### ..... ..... .....",
    "/": "..... ....# ...#. ..#.. .#... #.... .....",
    "(": "...#. ..#.. .#... .#... .#... ..#.. ...#.",
    ")": ".#... ..#.. ...#. ...#. ...#. ..#.. .#...",
    "=": "..... ..... ##### ..... ##### ..... .....",
    "Ł": ".#... .#... .#.#. .##.. ##... .#... .####",
}
ACUTE = ("...#.", "..#..")
DOT_ABOVE = (".....", "..#..")
OGONEK = ("...#.", "...##")

# Internal character -> (letters drawn, accent rows, ogonek rows)
BOARD_LABELS = {
    "a": ("A", None, OGONEK),       # Ą
    "c": ("C", ACUTE, None),        # Ć
    "e": ("E", None, OGONEK),       # Ę
    "h": ("CH", None, None),        # CH
    "l": ("Ł", None, None),         # Ł
    "n": ("N", ACUTE, None),        # Ń
    "o": ("O", ACUTE, None),        # Ó
    "s": ("S", ACUTE, None),        # Ś
    "x": ("Z", ACUTE, None),        # Ź
    "z": ("Z", DOT_ABOVE, None),    # Ż
}

GLYPH_ROWS = 12
GLYPH_SCALE = 2                                   # pixels per font column
ROW_HEIGHTS = [2, 2, 1, 2, 2, 2, 2, 2, 2, 2, 2, 1]  # pixels per font row (22 in all)


def glyph_rows(ch):
    """The 12 rows of one character cell label, as strings of '#' and '.'."""
    letters, accent, ogonek = BOARD_LABELS.get(ch, (ch, None, None))
    parts = []
    for i, letter in enumerate(letters):
        body = FONT_BODY[letter].split()
        rows = [".....", ".....", "....."] + body + [".....", "....."]
        if accent and i == len(letters) - 1:
            rows[0], rows[1] = accent
        if ogonek and i == len(letters) - 1:
            rows[10], rows[11] = ogonek
        parts.append(rows)
    return ["." .join(p[r] for p in parts) for r in range(GLYPH_ROWS)]

# ---------------------------------------------------------------------------------------------
# Bitmap writers

def bmp24(width, height, pixels):
    """pixels[y][x] = (r, g, b), y = 0 at the top."""
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        body += row
    return bmp_file(width, height, 24, b"", bytes(body))


def bmp1(width, height, ink):
    """ink[y][x] true for a black (ink) pixel, false for white (paper)."""
    stride = ((width + 31) // 32) * 4
    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            if not ink[y][x]:
                row[x >> 3] |= 0x80 >> (x & 7)
        body += row
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    return bmp_file(width, height, 1, palette, bytes(body))


def bmp_file(width, height, bits, palette, body):
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(body), 2835, 2835,
                       len(palette) // 4, 0)
    return header + info + palette + body

# ---------------------------------------------------------------------------------------------
# Canvas with 4x4 supersampled shapes

class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.w, self.h = width, height
        self.px = [[colour] * width for _ in range(height)]

    def copy(self):
        c = Canvas(self.w, self.h)
        c.px = [row[:] for row in self.px]
        return c

    def rect(self, x0, y0, x1, y1, colour):
        """Fills x0 <= x < x1, y0 <= y < y1 with a colour or a function (x, y) -> colour."""
        for y in range(max(y0, 0), min(y1, self.h)):
            for x in range(max(x0, 0), min(x1, self.w)):
                self.px[y][x] = colour(x + 0.5, y + 0.5) if callable(colour) else colour

    def shape(self, inside, bbox, colour, alpha=16):
        """Blends colour over every pixel of bbox by the share of its 16 subsamples inside."""
        x0, y0, x1, y1 = bbox
        for y in range(max(int(math.floor(y0)), 0), min(int(math.ceil(y1)), self.h)):
            for x in range(max(int(math.floor(x0)), 0), min(int(math.ceil(x1)), self.w)):
                n = 0
                for sy in range(4):
                    for sx in range(4):
                        if inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4):
                            n += 1
                if n == 0:
                    continue
                n = n * alpha // 16
                c = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                old = self.px[y][x]
                self.px[y][x] = tuple((o * (16 - n) + v * n + 8) // 16 for o, v in zip(old, c))

    def ellipse(self, cx, cy, rx, ry, colour, alpha=16):
        self.shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                   (cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1), colour, alpha)

    def round_rect(self, x0, y0, x1, y1, r, colour, alpha=16):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            dx = max(x0 + r - x, 0, x - (x1 - r))
            dy = max(y0 + r - y, 0, y - (y1 - r))
            return dx * dx + dy * dy <= r * r
        self.shape(inside, (x0, y0, x1, y1), colour, alpha)

    def thick_line(self, points, width, colour):
        half = width / 2.0
        segs = list(zip(points, points[1:]))

        def inside(x, y):
            for (ax, ay), (bx, by) in segs:
                dx, dy = bx - ax, by - ay
                t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
                t = min(max(t, 0.0), 1.0)
                ex, ey = ax + t * dx - x, ay + t * dy - y
                if ex * ex + ey * ey <= half * half:
                    return True
            return False
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.shape(inside, (min(xs) - half - 1, min(ys) - half - 1,
                            max(xs) + half + 1, max(ys) + half + 1), colour)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(int(round(p + (q - p) * t)) for p, q in zip(a, b))


def vgrad(top, bottom, y0, y1):
    return lambda x, y: mix(top, bottom, (y - y0) / float(y1 - y0))


def hgrad(left, right, x0, x1):
    return lambda x, y: mix(left, right, (x - x0) / float(x1 - x0))

# ---------------------------------------------------------------------------------------------
# Character board

BOARD_W, BOARD_H = 321, 190
CELL_W = 32
ROW_EDGES = [0, 30, 60, 90, 120, 129, 159, 189]
GRID = ("AaBChcDEeF" "GHIJKLlMNn" "OoPQRSsTUV" "WXYZxz...." ".........." "1234567890" ".,:?-/()=.")
EMPTY_CELLS = {(3, 6), (3, 7), (3, 8), (3, 9), (6, 9)} | {(4, c) for c in range(10)}

NAVY = (0, 0, 128)
WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
RED = (255, 0, 0)
GRID_LINE = (112, 128, 176)
BLACK = (0, 0, 0)

GLYPH_TOP = 3    # offset of the label's row 0 below the cell's top edge
CODE_TOP = 26    # offset of the code's two pixel rows
DOT_W, DASH_W = 2, 5


def board_cells():
    """(row, column, character, x0, y0, y1) of every non-empty cell; the cell's edges are the
    lines x0, x0 + 32, y0 and y1."""
    cells = []
    for r in range(7):
        for c in range(10):
            if (r, c) in EMPTY_CELLS:
                continue
            cells.append((r, c, GRID[r * 10 + c], c * CELL_W, ROW_EDGES[r], ROW_EDGES[r + 1]))
    return cells


def code_runs(code):
    """Left offsets and widths of the elements of a code, centred in the 31 pixels of a cell."""
    widths = [DOT_W if e == "." else DASH_W for e in code]
    for gap in (2, 1):
        total = sum(widths) + gap * (len(widths) - 1)
        if total <= 29:
            break
    x = 1 + (31 - total) // 2
    runs = []
    for w in widths:
        runs.append((x, w))
        x += w + gap
    return runs


def draw_board(codes, cell, line, ink, red_outline):
    img = Canvas(BOARD_W, BOARD_H, BLACK)
    for _, _, ch, x0, y0, y1 in board_cells():
        img.rect(x0, y0, x0 + CELL_W + 1, y1 + 1, RED if red_outline else line)
        img.rect(x0 + 1, y0 + 1, x0 + CELL_W, y1, cell)
        if red_outline:
            img.rect(x0 + 1, y0 + 1, x0 + CELL_W, y0 + 2, RED)
            img.rect(x0 + 1, y1 - 1, x0 + CELL_W, y1, RED)
            img.rect(x0 + 1, y0 + 1, x0 + 2, y1, RED)
            img.rect(x0 + CELL_W - 1, y0 + 1, x0 + CELL_W, y1, RED)
        rows = glyph_rows(ch)
        gw = len(rows[0]) * GLYPH_SCALE
        gx = x0 + 1 + (31 - gw) // 2
        top = y0 + GLYPH_TOP
        for row, height in zip(rows, ROW_HEIGHTS):
            for i, p in enumerate(row):
                if p == "#":
                    img.rect(gx + i * GLYPH_SCALE, top, gx + (i + 1) * GLYPH_SCALE, top + height, ink)
            top += height
        for dx, w in code_runs(codes[ch]):
            img.rect(x0 + dx, y0 + CODE_TOP, x0 + dx + w, y0 + CODE_TOP + 2, ink)
    return img


def board_mask():
    ink = [[False] * BOARD_W for _ in range(BOARD_H)]
    for _, _, _, x0, y0, y1 in board_cells():
        for y in range(y0, y1 + 1):
            for x in range(x0, x0 + CELL_W + 1):
                ink[y][x] = True
    return ink

# ---------------------------------------------------------------------------------------------
# Telegraph key with its lamp

KEY_W, KEY_H = 321, 80
LAMP_X, LAMP_Y, LAMP_R = 40, 40, 24   # the glass; the lit picture differs only there

BRASS_LIGHT, BRASS_DARK = (246, 214, 120), (140, 100, 34)
STEEL_LIGHT, STEEL_DARK = (228, 230, 236), (96, 100, 110)


def draw_key_body():
    img = Canvas(KEY_W, KEY_H)
    img.rect(0, 0, KEY_W, KEY_H, vgrad((208, 212, 218), (164, 170, 182), 0, KEY_H))

    # Wooden base with its shadow and grain.
    img.round_rect(88, 64, 320, 79, 6, (0, 0, 0), alpha=5)
    wood = vgrad((164, 104, 56), (98, 58, 28), 57, 75)

    def grain(x, y):
        c = wood(x, y)
        k = math.floor(y + 1.5 * math.floor(x / 37.0) % 3)
        return mix(c, (70, 40, 18), 0.18) if k % 4 == 0 else c
    img.round_rect(84, 57, 316, 75, 5, grain)
    img.rect(90, 57, 311, 58, (196, 140, 90))

    # Cable from the lamp to the first binding post.
    cable = [(58, 62), (70, 70), (84, 72), (96, 66), (100, 56)]
    img.thick_line(cable, 3, (28, 28, 30))

    # Binding posts.
    for px in (100, 126):
        img.rect(px - 4, 46, px + 5, 57, hgrad(BRASS_LIGHT, BRASS_DARK, px - 4, px + 5))
        img.rect(px - 5, 49, px + 6, 53, hgrad((120, 90, 40), (60, 44, 20), px - 5, px + 6))
        img.ellipse(px + 0.5, 46, 4.5, 2, (250, 226, 150))

    # Spring and tension screw at the back end of the lever.
    for i in range(6):
        y = 44 + i * 2.4
        img.thick_line([(144, y), (152, y + 1.2), (144, y + 2.4)], 1.4, STEEL_DARK)
    img.rect(146, 20, 150, 37, hgrad(STEEL_LIGHT, STEEL_DARK, 146, 150))
    img.round_rect(141, 22, 155, 29, 2, hgrad((120, 122, 130), (40, 42, 48), 141, 155))
    for kx in range(143, 155, 3):
        img.rect(kx, 23, kx + 1, 29, (24, 24, 28))

    # Front contact.
    img.rect(253, 46, 259, 57, hgrad(STEEL_LIGHT, STEEL_DARK, 253, 259))
    img.rect(252, 43, 260, 46, (236, 238, 244))

    # Pivot block (trunnion) and the lever.
    img.round_rect(176, 42, 206, 57, 3, hgrad(BRASS_LIGHT, BRASS_DARK, 176, 206))
    img.round_rect(104, 34, 302, 41, 3, vgrad(BRASS_LIGHT, BRASS_DARK, 34, 41))
    img.rect(252, 41, 260, 42, (236, 238, 244))
    img.ellipse(191, 38, 5, 5, vgrad(STEEL_LIGHT, STEEL_DARK, 33, 43))
    img.thick_line([(188, 41), (194, 35)], 1.2, (40, 40, 44))

    # Knob on its stem.
    img.rect(287, 27, 296, 35, hgrad((90, 90, 96), (20, 20, 24), 287, 296))
    img.round_rect(268, 17, 316, 29, 5, vgrad((84, 84, 92), (8, 8, 10), 17, 29))
    img.ellipse(292, 17, 23, 5, vgrad((150, 150, 160), (46, 46, 52), 12, 22))
    img.ellipse(286, 15.5, 10, 1.6, (220, 220, 228), alpha=7)

    # Lamp housing and its bracket.
    img.rect(36, 66, 45, 79, hgrad((80, 80, 90), (20, 20, 24), 36, 45))
    img.ellipse(LAMP_X, LAMP_Y, 32, 32, lambda x, y: mix(STEEL_LIGHT, (60, 62, 70),
                                                         ((x - LAMP_X) + (y - LAMP_Y) + 32) / 64.0))
    img.ellipse(LAMP_X, LAMP_Y, 27.5, 27.5, (34, 34, 40))
    return img


def draw_lamp(img, lit):
    def glass(x, y):
        d = math.sqrt((x - LAMP_X) ** 2 + (y - LAMP_Y) ** 2) / LAMP_R
        if lit:
            if d < 0.5:
                return mix((255, 246, 190), (255, 160, 20), d / 0.5)
            return mix((255, 160, 20), (214, 92, 0), (d - 0.5) / 0.5)
        return mix((36, 64, 176), (6, 12, 70), d)
    img.ellipse(LAMP_X, LAMP_Y, LAMP_R, LAMP_R, glass)
    img.ellipse(LAMP_X - 8, LAMP_Y - 9, 6, 4, (255, 255, 255), alpha=9)
    return img

# ---------------------------------------------------------------------------------------------
# Mouse masks

MOUSE = [
    ".......#.......",
    "........#......",
    ".......#.......",
    "...#########...",
    "..#....#....#..",
    ".#.....#.....#.",
    ".#.....#.....#.",
    ".#.....#.....#.",
    ".#.....#.....#.",
    ".#############.",
    ".#...........#.",
    ".#...........#.",
    ".#...........#.",
    ".#...........#.",
    ".#...........#.",
    ".#...........#.",
    ".#...........#.",
    "..#.........#..",
    "..#.........#..",
    "...#.......#...",
    "....#######....",
]


def mouse_mask(left, right):
    ink = [[p == "#" for p in row] for row in MOUSE]
    for y in range(4, 9):
        row = MOUSE[y]
        first, last = row.index("#"), row.rindex("#")
        for x in range(first + 1, last):
            if row[x] == "#":
                continue
            # Inked buttons keep a paper gap beside the divider in the middle.
            if (left and x < 6) or (right and x > 8):
                ink[y][x] = True
    return ink

# ---------------------------------------------------------------------------------------------
# Sounds

RATE = 22050
TONE_HZ = 800
AMPLITUDE = 0.6
RAMP_MS = 5


def tone_wav(ms):
    n = RATE * ms // 1000
    ramp = RATE * RAMP_MS // 1000
    data = bytearray()
    for i in range(n):
        edge = min(i, n - 1 - i)
        env = 0.5 - 0.5 * math.cos(math.pi * edge / ramp) if edge < ramp else 1.0
        v = int(round(32767 * AMPLITUDE * env * math.sin(2 * math.pi * TONE_HZ * i / RATE)))
        data += struct.pack("<h", v)
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + \
        struct.pack("<I", len(data)) + bytes(data)
    return b"RIFF" + struct.pack("<I", len(body)) + body

# ---------------------------------------------------------------------------------------------
# Resource script and ids

def ids_header():
    lines = ["// Resource ids of Tapkey.dll. Generated by tools/gen_tapkey_res.py.",
             "#pragma once", ""]
    for rid, name, _, comment in RESOURCES:
        lines.append("#define %-26s %d  // %s" % (name, rid, comment))
    return ("\n".join(lines) + "\n").encode("ascii")


def rc_script():
    lines = ["// Pictures of Tapkey.dll. Generated by tools/gen_tapkey_res.py.",
             '#include "TapkeyResIds.h"', ""]
    for _, name, path, _ in RESOURCES:
        lines.append('%-26s BITMAP "%s"' % (name, path))
    return ("\n".join(lines) + "\n").encode("ascii")

# ---------------------------------------------------------------------------------------------

def build():
    codes = read_codes()
    missing = [c for c in GRID if c != "." and c not in codes]
    if missing:
        sys.exit("gen_tapkey_res: no code for %r" % "".join(missing))
    for c in GRID:
        if c != ".":
            glyph_rows(c)  # every board character has a glyph

    key = draw_key_body()
    files = {
        "board_normal.bmp": bmp24(BOARD_W, BOARD_H,
                                  draw_board(codes, NAVY, GRID_LINE, WHITE, False).px),
        "board_mask.bmp": bmp1(BOARD_W, BOARD_H, board_mask()),
        "board_flash.bmp": bmp24(BOARD_W, BOARD_H,
                                 draw_board(codes, YELLOW, GRID_LINE, NAVY, False).px),
        "board_hover.bmp": bmp24(BOARD_W, BOARD_H,
                                 draw_board(codes, NAVY, GRID_LINE, WHITE, True).px),
        "key_dark.bmp": bmp24(KEY_W, KEY_H, draw_lamp(key.copy(), False).px),
        "key_lit.bmp": bmp24(KEY_W, KEY_H, draw_lamp(key.copy(), True).px),
        "mouse_both.bmp": bmp1(15, 21, mouse_mask(True, True)),
        "mouse_left.bmp": bmp1(15, 21, mouse_mask(True, False)),
        "M_KROPKA.WAV": tone_wav(120),
        "M_KRESKA.WAV": tone_wav(360),
        "TapkeyResIds.h": ids_header(),
        "Tapkey.rc": rc_script(),
    }
    return files


def main():
    check = "--check" in sys.argv[1:]
    files = build()
    stale = []
    for name in sorted(files):
        path = os.path.join(OUT, name)
        data = files[name]
        old = None
        if os.path.exists(path):
            with open(path, "rb") as f:
                old = f.read()
        if old == data:
            continue
        stale.append(name)
        if not check:
            os.makedirs(OUT, exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    if check:
        for name in stale:
            print("out of date: tapkey/res/%s" % name)
        return 1 if stale else 0
    for name in stale:
        print("wrote tapkey/res/%s" % name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
