#!/usr/bin/env python3
"""Generates Kelm's glyph masks as 1-bit Windows BMP files.

Usage: gen_kelm_masks.py [OUTDIR]      (default: kelm/res beside this tools folder)

Writes one mask_<id>_<name>.bmp per glyph, KelmResIds.h (IDB_KELM_* constants, usable
from C++ and from windres) and KelmRes.rc (one BITMAP statement per glyph). The output
depends on nothing but this file, so every run gives byte-identical files; files whose
content is unchanged are not rewritten.

Mask convention: bit 0 (black) is ink, bit 1 (white) is paper. Colour table: black, white.
Rows are stored bottom-up and padded to 4 bytes.

Glyphs (id, size, drawing):
  129  16x16  check box, unchecked: ink square with a 12x12 paper hole
  130  16x16  check box, checked: paper square with an ink tick
  131  16x16  check box, indeterminate: ink square with a paper tick (inverse of 130)
  132  17x17  close button, released: X in paper on a 15x15 ink square
  133  17x17  close button, pressed: X in ink inside a 15x15 ink outline
  134  17x17  maximise button, released: one window outline
  135  17x17  maximise button, pressed
  136  17x17  minimise button, released: short bar at the bottom
  137  17x17  minimise button, pressed
  138  17x17  restore button, released: two overlapping window outlines
  139  17x17  restore button, pressed
  140  16x16  check box, indeterminate and pressed: ink square with a 10x10 paper hole
  141  16x16  check box, checked and pressed: 10x10 box outline, outlined tick past its
               upper-right corner
  142  16x16  check box, unchecked and pressed: same with a filled tick
  143  16x16  tree node, expanded: solid arrow pointing left, bar to the right edge
  144  16x16  tree node, collapsed: solid arrow pointing right, bar from the left edge
  145  16x16  tree node, leaf: empty (all paper)
  146  16x16  tree check, checked: ink square with the tick left as paper
  147  16x16  tree check, partly checked: the tick alone
  148  16x16  tree check, unchecked: 2-pixel square frame
  153  16x16  tree node, collapsed and pressed: outline of the right arrow (144)
  154  16x16  tree node, expanded and pressed: outline of the left arrow (143)
  155  16x16  radio button, off: ink square with a paper ring 16 pixels across
  156  16x16  radio button, on: ink square with a paper disc 16 pixels across
  157  13x15  drop-up arrow: paper triangle pointing up above two paper bars, on ink
  158  13x15  drop-down arrow: two paper bars above a paper triangle pointing down, on ink
Ids 149 to 152 are not used.
"""

import os
import struct
import sys

INK = 0
PAPER = 1


class Mask:
    """A w x h grid of INK / PAPER values, row 0 at the top."""

    def __init__(self, w, h, value=PAPER):
        self.w, self.h = w, h
        self.px = [[value] * w for _ in range(h)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, value):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = value

    def fill(self, x0, y0, x1, y1, value):
        """Fills the half-open rectangle [x0, x1) x [y0, y1)."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, value)

    def frame(self, x0, y0, x1, y1, value, width=1):
        """Draws a frame of the given width along the inside of [x0, x1) x [y0, y1)."""
        self.fill(x0, y0, x1, y0 + width, value)
        self.fill(x0, y1 - width, x1, y1, value)
        self.fill(x0, y0, x0 + width, y1, value)
        self.fill(x1 - width, y0, x1, y1, value)

    def paint(self, pixels, value):
        for x, y in pixels:
            self.set(x, y, value)

    def mirrored_x(self):
        m = Mask(self.w, self.h)
        m.px = [list(reversed(row)) for row in self.px]
        return m

    def mirrored_y(self):
        m = Mask(self.w, self.h)
        m.px = [list(row) for row in reversed(self.px)]
        return m

    def inverted(self):
        m = Mask(self.w, self.h)
        m.px = [[PAPER if v == INK else INK for v in row] for row in self.px]
        return m


# ---------------------------------------------------------------------------------------
# Shapes, as sets of (x, y) pixels.

def tick(left, vertex, right, top, thickness=3):
    """A check mark made of vertical runs of `thickness` pixels, one per column from
    `left` to `right`; the run at column `vertex` starts at row `top` (the lowest point),
    and each column away from it starts one row higher."""
    return {(x, top - abs(x - vertex) + i)
            for x in range(left, right + 1) for i in range(thickness)}


def outline(shape):
    """The pixels of a shape that have a 4-neighbour outside it."""
    return {(x, y) for x, y in shape
            if any(n not in shape for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))}


def disc(size, outer, inner=0):
    """Pixels of a size x size grid whose centre lies at a distance d from the grid's
    centre with inner <= d < outer (distances in pixels; computed exactly in integers)."""
    out = set()
    for y in range(size):
        for x in range(size):
            dx, dy = 2 * x + 1 - size, 2 * y + 1 - size
            d4 = dx * dx + dy * dy          # (2d)^2
            if 4 * inner * inner <= d4 < 4 * outer * outer:
                out.add((x, y))
    return out


def rect(x0, y0, x1, y1):
    return {(x, y) for y in range(y0, y1) for x in range(x0, x1)}


def left_arrow():
    """Solid arrow pointing left in 16x16: a head whose apex (2 rows) is at column 1 and
    which widens by one row up and down per column up to column 7 (rows 1..14), and a
    4-row shaft (rows 6..9) from column 8 to the right edge."""
    head = {(x, y) for x in range(1, 8) for y in range(8 - x, 8 + x)}
    return head | rect(8, 6, 16, 10)


# ---------------------------------------------------------------------------------------
# Glyphs.

TICK16 = tick(left=2, vertex=6, right=13, top=10)   # columns 2..13, rows 3..12


def check_box(hole):
    m = Mask(16, 16, INK)
    b = (16 - hole) // 2
    m.fill(b, b, b + hole, b + hole, PAPER)
    return m


def check_ticked():
    m = Mask(16, 16, PAPER)
    m.paint(TICK16, INK)
    return m


def check_pressed(filled):
    m = Mask(16, 16, INK)
    m.frame(3, 3, 13, 13, PAPER)                     # the 10x10 box outline
    t = tick(left=5, vertex=7, right=15, top=8)      # leaves the box through (12, 3)
    if filled:
        m.paint(t, PAPER)
    else:
        m.paint(t, INK)
        m.paint(outline(t), PAPER)
    return m


def radio(ring):
    m = Mask(16, 16, INK)
    m.paint(disc(16, 8, 6 if ring else 0), PAPER)
    return m


# Title-bar symbols inside a 17x17 glyph, all within the 9x9 square at (4, 4).
def sym_close():
    return {(x, y) for y in range(4, 13) for x in range(4, 13)
            if abs(x - y) <= 1 or abs(x + y - 16) <= 1}


def window(x0, y0, x1, y1):
    """Outline of a window in [x0, x1) x [y0, y1) with a 2-row caption."""
    return rect(x0, y0, x1, y0 + 2) | rect(x0, y1 - 1, x1, y1) | \
        rect(x0, y0, x0 + 1, y1) | rect(x1 - 1, y0, x1, y1)


def sym_maximize():
    return window(4, 4, 13, 13)


def sym_restore():
    front = window(4, 6, 11, 13)
    back = window(6, 4, 13, 11) - rect(4, 6, 11, 13)
    return front | back


def sym_minimize():
    return rect(5, 11, 12, 13)


def title_button(symbol, pressed):
    """17x17 with a 1-pixel paper border. Released: 15x15 ink square, symbol in paper.
    Pressed: 15x15 ink outline, symbol in ink on paper."""
    m = Mask(17, 17, PAPER)
    if pressed:
        m.frame(1, 1, 16, 16, INK)
        m.paint(symbol, INK)
    else:
        m.fill(1, 1, 16, 16, INK)
        m.paint(symbol, PAPER)
    return m


def tree_node(pressed):
    m = Mask(16, 16, PAPER)
    a = left_arrow()
    m.paint(outline(a) if pressed else a, INK)
    return m


def tree_check(state):
    m = Mask(16, 16, PAPER)
    if state == "checked":
        m.fill(0, 0, 16, 16, INK)
        m.paint(TICK16, PAPER)
    elif state == "partial":
        m.paint(TICK16, INK)
    else:
        m.frame(0, 0, 16, 16, INK, width=2)
    return m


def drop_up():
    """13x15 ink with a 1-pixel ink margin: a paper triangle (rows 1..6, 1 to 11 pixels
    wide, apex at column 6), a 2-row gap, then two 11-pixel paper bars of 2 rows each
    (rows 9..10 and 12..13)."""
    m = Mask(13, 15, INK)
    for i in range(6):
        m.fill(6 - i, 1 + i, 7 + i, 2 + i, PAPER)
    m.fill(1, 9, 12, 11, PAPER)
    m.fill(1, 12, 12, 14, PAPER)
    return m


# id -> (name, constant suffix, builder)
GLYPHS = [
    (129, "check_off", "CHECK_OFF", lambda: check_box(12)),
    (130, "check_on", "CHECK_ON", check_ticked),
    (131, "check_mixed", "CHECK_MIXED", lambda: check_ticked().inverted()),
    (132, "close", "CLOSE", lambda: title_button(sym_close(), False)),
    (133, "close_pressed", "CLOSE_PRESSED", lambda: title_button(sym_close(), True)),
    (134, "maximize", "MAXIMIZE", lambda: title_button(sym_maximize(), False)),
    (135, "maximize_pressed", "MAXIMIZE_PRESSED", lambda: title_button(sym_maximize(), True)),
    (136, "minimize", "MINIMIZE", lambda: title_button(sym_minimize(), False)),
    (137, "minimize_pressed", "MINIMIZE_PRESSED", lambda: title_button(sym_minimize(), True)),
    (138, "restore", "RESTORE", lambda: title_button(sym_restore(), False)),
    (139, "restore_pressed", "RESTORE_PRESSED", lambda: title_button(sym_restore(), True)),
    (140, "check_mixed_pressed", "CHECK_MIXED_PRESSED", lambda: check_box(10)),
    (141, "check_on_pressed", "CHECK_ON_PRESSED", lambda: check_pressed(filled=False)),
    (142, "check_off_pressed", "CHECK_OFF_PRESSED", lambda: check_pressed(filled=True)),
    (143, "tree_expanded", "TREE_EXPANDED", lambda: tree_node(False)),
    (144, "tree_collapsed", "TREE_COLLAPSED", lambda: tree_node(False).mirrored_x()),
    (145, "tree_leaf", "TREE_LEAF", lambda: Mask(16, 16, PAPER)),
    (146, "tree_checked", "TREE_CHECKED", lambda: tree_check("checked")),
    (147, "tree_partchecked", "TREE_PARTCHECKED", lambda: tree_check("partial")),
    (148, "tree_unchecked", "TREE_UNCHECKED", lambda: tree_check("unchecked")),
    (153, "tree_collapsed_pressed", "TREE_COLLAPSED_PRESSED",
     lambda: tree_node(True).mirrored_x()),
    (154, "tree_expanded_pressed", "TREE_EXPANDED_PRESSED", lambda: tree_node(True)),
    (155, "radio_ring", "RADIO_RING", lambda: radio(ring=True)),
    (156, "radio_disc", "RADIO_DISC", lambda: radio(ring=False)),
    (157, "drop_up", "DROP_UP", drop_up),
    (158, "drop_down", "DROP_DOWN", lambda: drop_up().mirrored_y()),
]


# ---------------------------------------------------------------------------------------
# Output.

def bmp_bytes(m):
    stride = ((m.w + 31) // 32) * 4
    rows = []
    for y in range(m.h - 1, -1, -1):                 # bottom-up
        row = bytearray(stride)
        for x in range(m.w):
            if m.get(x, y) == PAPER:
                row[x >> 3] |= 0x80 >> (x & 7)
        rows.append(bytes(row))
    bits = b"".join(rows)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))  # index 0 black, 1 white (B, G, R, 0)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, m.w, m.h, 1, 1, 0, len(bits), 2835, 2835, 2, 2)
    head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return head + info + palette + bits


def file_name(gid, name):
    return "mask_%d_%s.bmp" % (gid, name)


def ids_header():
    lines = [
        "// Generated by tools/gen_kelm_masks.py; do not edit.",
        "// Bitmap resource ids of Kelm's glyph masks (black = ink, white = paper).",
        "#ifndef KELM_RES_IDS_H",
        "#define KELM_RES_IDS_H",
        "",
    ]
    width = max(len(c) for _, _, c, _ in GLYPHS) + len("IDB_KELM_") + 1
    for gid, _, const, _ in GLYPHS:
        lines.append("#define %-*s%d" % (width, "IDB_KELM_" + const, gid))
    lines += ["", "#endif", ""]
    return "\n".join(lines).encode("ascii")


def rc_script():
    lines = [
        "// Generated by tools/gen_kelm_masks.py; do not edit.",
        '#include "KelmResIds.h"',
        "",
    ]
    width = max(len(c) for _, _, c, _ in GLYPHS) + len("IDB_KELM_") + 1
    for gid, name, const, _ in GLYPHS:
        lines.append('%-*sBITMAP "%s"' % (width, "IDB_KELM_" + const, file_name(gid, name)))
    lines.append("")
    return "\n".join(lines).encode("ascii")


def write(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return False
    except FileNotFoundError:
        pass
    with open(path, "wb") as f:
        f.write(data)
    return True


def main(argv):
    if len(argv) > 2:
        sys.exit("usage: gen_kelm_masks.py [OUTDIR]")
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) == 2 else os.path.join(here, os.pardir, "kelm", "res")
    os.makedirs(out, exist_ok=True)
    outputs = [(file_name(gid, name), bmp_bytes(build())) for gid, name, _, build in GLYPHS]
    outputs += [("KelmResIds.h", ids_header()), ("KelmRes.rc", rc_script())]
    changed = [n for n, data in outputs if write(os.path.join(out, n), data)]
    print("%d files, %d written to %s" % (len(outputs), len(changed), os.path.normpath(out)))


if __name__ == "__main__":
    main(sys.argv)
