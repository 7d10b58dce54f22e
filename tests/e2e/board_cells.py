#!/usr/bin/env python3
"""Reads an X window dump of Gridora's main window (xwd) and prints one
fingerprint per cell of the board shown, in cell order, then one for the
whole board: enough to tell which cells changed between two dumps.

    xwd -id WINDOW -silent | python3 board_cells.py 9
"""
import hashlib
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from xwd_to_png import read_pixels  # noqa: E402


def main():
    size = int(sys.argv[1])
    width, height, rows = read_pixels(sys.stdin.buffer.read())
    frame = (0, 0, 255) if size == 9 else (255, 0, 0)
    # The board's outer frame: the first pixel of its colour, top-left.
    top = left = None
    for y in range(height):
        row = rows[y]
        for x in range(width):
            if tuple(row[3 * x:3 * x + 3]) == frame:
                top, left = y, x
                break
        if top is not None:
            break
    if top is None:
        raise SystemExit("no board in the dump")
    side = 241  # 3615 twips
    pitch = 3600 / size
    for cell in range(size * size):
        r, c = divmod(cell, size)
        x0 = left + int((c * pitch + 15) / 15) + 2
        y0 = top + int((r * pitch + 15) / 15) + 2
        w = int(pitch / 15) - 4
        block = b"".join(rows[y][3 * x0:3 * (x0 + w)] for y in range(y0, y0 + w))
        print(hashlib.md5(block).hexdigest()[:12])
    board = b"".join(rows[y][3 * left:3 * (left + side)] for y in range(top, top + side))
    print(hashlib.md5(board).hexdigest()[:12])


if __name__ == "__main__":
    main()
