#!/usr/bin/env python3
"""Generates the window's pictures, deterministically and with the standard
library only, as 8-bit RGB PNG files:
  board_texture.png  a quiet, warm paper texture with soft clouding and
                     faint horizontal fibres, stretched under the board;
  icon.png           the program icon: a small board with blue box lines and
                     a few filled cells.

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
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


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


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "src/ui/resources"
    make_texture(folder + "/board_texture.png")
    make_icon(folder + "/icon.png")
