#!/usr/bin/env python3
"""Generates the window's pictures, deterministically and with the standard
library only, as 8-bit RGB PNG files:
  board_texture.png  a quiet, warm paper texture with soft clouding and
                     faint horizontal fibres, stretched under the board;
  icon.png           the program icon: a small board with blue box lines and
                     a few filled cells;
  digits8.png        17 glyphs of 8 x 8 pixels side by side (136 x 8): glyph d
                     at x = 8 d shows digit d in a 3 x 5 pixel font, glyph 0
                     an empty cell; the launcher draws slot miniatures with them;
  launcher_icons.png three 16 x 16 icons side by side (48 x 16) over the
                     launcher's columns: store into memory, fetch from
                     memory, fetch a solution;
  toolbar.png        the toolbar source, 350 x 72: the eleven buttons in their
                     pixel ranges, normal (y 0-23), raised (24-47) and pressed
                     (48-71), drawn in the three key colours that start-up
                     replaces with the desktop's: RGB(66,0,66) shadow,
                     RGB(198,0,198) highlight, RGB(255,0,255) face.

    python3 scripts/make_images.py src/ui/resources
"""
import math
import random
import struct
import sys
import zlib

SIZE = 256
BASE = (238, 229, 208)  # warm off-white


def value_noise(rng, cells):
    """Smoothly interpolated random lattice of `cells` x `cells`, wrapping."""
    grid = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def at(x, y):
        gx, gy = x * cells / SIZE, y * cells / SIZE
        x0, y0 = int(gx), int(gy)
        fx, fy = gx - x0, gy - y0
        fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        x1, y1 = (x0 + 1) % cells, (y0 + 1) % cells
        x0, y0 = x0 % cells, y0 % cells
        top = grid[y0][x0] * (1 - fx) + grid[y0][x1] * fx
        bottom = grid[y1][x0] * (1 - fx) + grid[y1][x1] * fx
        return top * (1 - fy) + bottom * fy

    return at


def write_png(path, size, rows):
    """`rows` are lists of (r, g, b) tuples, `size` x `size`."""
    write_png_rect(path, size, size, rows)


def make_texture(path):
    rng = random.Random(20261207)
    octaves = [(value_noise(rng, c), w) for c, w in ((4, 0.5), (8, 0.25), (16, 0.15), (64, 0.10))]
    fibres = [rng.gauss(0, 1) for _ in range(SIZE)]  # one offset per row
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            cloud = sum(noise(x, y) * w for noise, w in octaves) - 0.5
            fibre = fibres[y] * 1.4 * (0.5 + 0.5 * math.sin(x * 0.05 + y))
            grain = rng.gauss(0, 1.2)
            shade = cloud * 34 + fibre + grain
            row.append(tuple(max(0, min(255, round(channel + shade * weight)))
                             for channel, weight in zip(BASE, (1.0, 0.95, 0.8))))
        rows.append(row)
    write_png(path, SIZE, rows)


def make_icon(path):
    size, cell = 64, 20  # a 3 x 3 board of 20-pixel cells inside a 2-pixel frame
    filled = {(0, 0): (0, 0, 0), (1, 1): (48, 112, 80), (2, 0): (48, 112, 80), (2, 2): (0, 0, 0)}
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if x < 2 or y < 2 or x >= size - 2 or y >= size - 2:
                row.append((0, 0, 255))
                continue
            cx, cy = (x - 2) // cell, (y - 2) // cell
            ix, iy = (x - 2) % cell, (y - 2) % cell
            if ix == cell - 1 or iy == cell - 1:
                row.append((0, 0, 255))
            elif (cx, cy) in filled and 5 <= ix <= 13 and 5 <= iy <= 13:
                row.append(filled[(cx, cy)])
            else:
                row.append(BASE)
        rows.append(row)
    write_png(path, size, rows)


FONT3X5 = {  # rows of 3 bits, top first
    0: ["111", "101", "101", "101", "111"], 1: ["010", "110", "010", "010", "111"],
    2: ["111", "001", "111", "100", "111"], 3: ["111", "001", "111", "001", "111"],
    4: ["101", "101", "111", "001", "001"], 5: ["111", "100", "111", "001", "111"],
    6: ["111", "100", "111", "101", "111"], 7: ["111", "001", "010", "010", "010"],
    8: ["111", "101", "111", "101", "111"], 9: ["111", "101", "111", "001", "111"],
}


def make_digits(path):
    paper, ink, line = (255, 255, 255), (0, 0, 0), (200, 200, 200)
    rows = [[paper] * 136 for _ in range(8)]
    for d in range(17):
        for i in range(8):  # a light cell border on the right and bottom
            rows[7][8 * d + i] = line
            rows[i][8 * d + 7] = line
        if d == 0:
            continue
        text = str(d)
        left = 8 * d + (2 if len(text) == 1 else 0)
        for k, ch in enumerate(text):
            for y, bits in enumerate(FONT3X5[int(ch)]):
                for x, bit in enumerate(bits):
                    if bit == "1":
                        rows[1 + y][left + 4 * k + x] = ink
    write_png_rect(path, 136, 8, rows)


def make_launcher_icons(path):
    face, blue, green, dark = (240, 240, 240), (0, 0, 200), (48, 112, 80), (80, 80, 80)
    rows = [[face] * 48 for _ in range(16)]

    def put(x, y, color):
        rows[y][x] = color

    for icon in range(3):
        ox = 16 * icon
        for i in range(3, 13):  # a small board: frame and one grid line each way
            for a, b in ((i, 3), (i, 12), (3, i), (12, i)):
                put(ox + a, b, dark)
        for i in range(4, 12):
            put(ox + i, 7, (170, 170, 170))
            put(ox + 7, i, (170, 170, 170))
    for i in range(0, 7):  # store: an arrow down into the board
        put(8, i, blue)
        put(7, i, blue)
    for i in range(3):
        put(5 + i, 4 + i, blue)
        put(10 - i, 4 + i, blue)
    for i in range(0, 10):  # fetch: an arrow up out of the board
        put(16 + 7, i, blue)
        put(16 + 8, i, blue)
    for i in range(3):
        put(16 + 5 + i, 3 - i, blue)
        put(16 + 10 - i, 3 - i, blue)
    for i in range(4):  # answer: a green check mark
        put(32 + 4 + i, 8 + i, green)
        put(32 + 4 + i, 9 + i, green)
    for i in range(6):
        put(32 + 8 + i, 10 - i, green)
        put(32 + 8 + i, 11 - i, green)
    write_png_rect(path, 48, 16, rows)


def write_png_rect(path, width, height, rows, alpha=False):
    """`rows` of (r, g, b) tuples, or (r, g, b, a) with `alpha`."""
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


TOOLBAR_RANGES = [(9, 34), (36, 61), (63, 88), (90, 115), (117, 142), (152, 177), (179, 204),
                  (206, 231), (233, 264), (265, 290), (300, 325)]
KEY_SHADOW, KEY_LIGHT, KEY_FACE = (66, 0, 66), (198, 0, 198), (255, 0, 255)


def toolbar_glyph(index):
    """A 16 x 16 glyph as {(x, y): colour}."""
    g = {}
    ink, blue, green, red, paper = (0, 0, 0), (0, 0, 160), (48, 112, 80), (192, 0, 0), (255, 255, 255)

    def rect(x0, y0, x1, y1, colour, fill=None):
        for x in range(x0, x1 + 1):
            for y in range(y0, y1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                if edge or fill:
                    g[(x, y)] = colour if edge else fill

    def text(x0, y0, digits, colour):
        for k, ch in enumerate(digits):
            for y, bits in enumerate(FONT3X5[int(ch)]):
                for x, bit in enumerate(bits):
                    if bit == "1":
                        g[(x0 + 4 * k + x, y0 + y)] = colour

    def line(points, colour):
        for x, y in points:
            g[(x, y)] = colour

    if index in (0, 1):  # new 9 x 9, new 16 x 16: a page with the size
        rect(3, 1, 12, 14, ink, paper)
        text(6 if index == 0 else 4, 6, "9" if index == 0 else "16", blue)
    elif index == 2:  # open: a folder
        rect(1, 4, 14, 13, ink, (230, 200, 90))
        rect(1, 3, 6, 4, ink, (230, 200, 90))
    elif index == 3:  # save: a disk
        rect(2, 2, 13, 13, ink, blue)
        rect(4, 2, 11, 6, ink, paper)
        rect(5, 9, 10, 13, ink, (200, 200, 200))
    elif index == 4:  # printer
        rect(4, 1, 11, 6, ink, paper)
        rect(1, 6, 14, 11, ink, (180, 180, 180))
        rect(4, 10, 11, 14, ink, paper)
    elif index == 5:  # solve: a board with a green check
        rect(2, 2, 13, 13, ink, paper)
        line([(4 + i, 7 + i) for i in range(3)] + [(6 + i, 9 - i) for i in range(6)], green)
        line([(4 + i, 8 + i) for i in range(3)] + [(6 + i, 10 - i) for i in range(6)], green)
    elif index in (6, 7):  # undo, redo: a curved arrow
        pts = [(3 + i, 7) for i in range(8)] + [(11, 8), (12, 9), (12, 10), (11, 11)]
        head = [(5, 5), (4, 6), (4, 8), (5, 9), (3, 7)]
        shaft = pts + head
        if index == 7:
            shaft = [(15 - x, y) for x, y in shaft]
        line(shaft, blue)
        line([(x, y + 1) for x, y in pts if 3 < x < 12 or index == 7], blue)
    elif index == 8:  # input method: a key cap, and the arrow of a menu
        rect(1, 3, 12, 12, ink, paper)
        text(3, 5, "1", ink)
        text(7, 5, "2", ink)
        line([(14 + i, 7 + i) for i in range(0)], ink)
    elif index == 9:  # properties: a page with lines
        rect(3, 1, 12, 14, ink, paper)
        for y in (4, 7, 10):
            line([(5 + i, y) for i in range(6)], blue)
    elif index == 10:  # help: a question mark
        rect(3, 1, 12, 14, ink, (255, 255, 200))
        line([(6, 4), (7, 3), (8, 3), (9, 4), (9, 5), (8, 6), (7, 7), (7, 8), (7, 11)], red)
        line([(7, 4), (8, 4), (8, 5), (8, 7), (8, 8), (8, 11)], red)
    return g


def make_toolbar(path):
    rows = [[KEY_FACE] * 350 for _ in range(72)]
    for index, (left, right) in enumerate(TOOLBAR_RANGES):
        width = right - left + 1
        glyph = toolbar_glyph(index)
        for row in range(3):  # normal, raised, pressed
            top = 24 * row
            if row > 0:
                light, dark = (KEY_LIGHT, KEY_SHADOW) if row == 1 else (KEY_SHADOW, KEY_LIGHT)
                for x in range(left, right + 1):
                    rows[top][x] = light
                    rows[top + 23][x] = dark
                for y in range(top, top + 24):
                    rows[y][left] = light
                    rows[y][right] = dark
            shift = 1 if row == 2 else 0
            ox = left + (width - 16) // 2 + shift
            oy = top + 4 + shift
            for (x, y), colour in glyph.items():
                rows[oy + y][ox + x] = colour
            if index == 8:  # the input button opens a menu: a small arrow
                for i in range(3):
                    for x in range(right - 6 + i, right - 1 - i):
                        rows[top + 11 + i + shift][x + shift] = (0, 0, 0)
    write_png_rect(path, 350, 72, rows)


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "src/ui/resources"
    make_texture(folder + "/board_texture.png")
    make_icon(folder + "/icon.png")
    make_digits(folder + "/digits8.png")
    make_launcher_icons(folder + "/launcher_icons.png")
    make_toolbar(folder + "/toolbar.png")
