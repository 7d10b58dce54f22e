#!/usr/bin/env python3
"""Draws the digit pictures of the HTML game page, deterministically and with
the standard library only: 32 x 32 RGBA PNG files on a transparent ground,
  g1.png ... g9.png  the puzzle's own digits: black, bold strokes;
  e1.png ... e9.png  the visitor's digits: blue, thinner strokes.
Each digit is a few strokes (lines and elliptic arcs) rendered with 4 x 4
supersampling. The page falls back to text digits when these do not load.

    python3 scripts/make_digit_images.py data/gdr_cg
"""
import math
import os
import sys

from make_images import write_png_rect

SIZE = 32
BOX = (9.0, 4.0, 23.0, 28.0)  # left, top, right, bottom of a digit in pixels
FORMS = {"g": ((0, 0, 0), 2.3), "e": ((26, 85, 196), 1.8)}  # colour, stroke half-width


def arc(cx, cy, rx, ry, start, end, steps=24):
    """Points of an elliptic arc; angles in degrees, 0 right, 90 down."""
    return [(cx + rx * math.cos(math.radians(start + (end - start) * k / steps)),
             cy + ry * math.sin(math.radians(start + (end - start) * k / steps)))
            for k in range(steps + 1)]


# Strokes in a unit box: x 0 (left) to 1, y 0 (top) to 1.
GLYPHS = {
    1: [[(0.28, 0.18), (0.52, 0.0), (0.52, 1.0)], [(0.26, 1.0), (0.78, 1.0)]],
    2: [arc(0.5, 0.27, 0.32, 0.25, 185, 385) + [(0.14, 1.0), (0.86, 1.0)]],
    3: [arc(0.5, 0.25, 0.29, 0.23, 200, 450), arc(0.5, 0.73, 0.33, 0.26, -90, 160)],
    4: [[(0.66, 1.0), (0.66, 0.0), (0.12, 0.7), (0.9, 0.7)]],
    5: [[(0.82, 0.0), (0.24, 0.0), (0.2, 0.46)], arc(0.5, 0.68, 0.33, 0.3, -145, 155)],
    6: [[(0.74, 0.02), (0.22, 0.62)], arc(0.5, 0.72, 0.31, 0.27, 0, 360, 40)],
    7: [[(0.14, 0.0), (0.86, 0.0), (0.4, 1.0)]],
    8: [arc(0.5, 0.24, 0.26, 0.23, 0, 360, 40), arc(0.5, 0.72, 0.32, 0.27, 0, 360, 40)],
    9: [arc(0.5, 0.29, 0.31, 0.27, 0, 360, 40), [(0.8, 0.36), (0.3, 1.0)]],
}


def segments(digit):
    left, top, right, bottom = BOX
    for stroke in GLYPHS[digit]:
        points = [(left + x * (right - left), top + y * (bottom - top)) for x, y in stroke]
        yield from zip(points, points[1:])


def distance(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def render(digit, colour, half_width):
    segs = list(segments(digit))
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            hits = 0
            for sy in range(4):
                for sx in range(4):
                    px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
                    if any(distance(px, py, a, b) <= half_width for a, b in segs):
                        hits += 1
            row.append(colour + (round(255 * hits / 16),))
        rows.append(row)
    return rows


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "data/gdr_cg"
    os.makedirs(folder, exist_ok=True)
    for kind, (colour, half_width) in FORMS.items():
        for digit in range(1, 10):
            write_png_rect(os.path.join(folder, "%s%d.png" % (kind, digit)), SIZE, SIZE,
                           render(digit, colour, half_width), alpha=True)
