#!/usr/bin/env python3
"""Checks a printed page against the window it came from.

    check_printed_page.py PAGE.ppm SCREEN.xwd X Y WIDTH HEIGHT

PAGE.ppm is the printed page rendered by pdftoppm (binary PPM), SCREEN.xwd
a dump of the screen with the main window at X, Y, WIDTH x HEIGHT. The page
must show the window's client area (the window without its menu bar):
centred, as large as fits, looking like the screen (grey levels correlate)
and with the green digits of the solver in their screen colour.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from xwd_to_png import read_pixels  # noqa: E402

GREEN = (48, 112, 80)  # the solver's digits on screen


def read_ppm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise SystemExit("expected an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:]
    rows = [pixels[y * width * 3:(y + 1) * width * 3] for y in range(height)]
    return width, height, rows


def pixel(rows, x, y):
    row = rows[y]
    return row[3 * x], row[3 * x + 1], row[3 * x + 2]


def grey_grid(rows, x0, y0, w, h, columns, lines):
    """Mean grey level of each cell of a columns x lines grid over the area."""
    grid = []
    for j in range(lines):
        ya, yb = y0 + j * h // lines, y0 + (j + 1) * h // lines
        for i in range(columns):
            xa, xb = x0 + i * w // columns, x0 + (i + 1) * w // columns
            total = count = 0
            for y in range(ya, max(yb, ya + 1)):
                for x in range(xa, max(xb, xa + 1)):
                    r, g, b = pixel(rows, x, y)
                    total += r + g + b
                    count += 1
            grid.append(total / (3 * count))
    return grid


def correlation(a, b):
    ma, mb = sum(a) / len(a), sum(b) / len(b)
    cov = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    va = sum((x - ma) ** 2 for x in a) ** 0.5
    vb = sum((y - mb) ** 2 for y in b) ** 0.5
    return cov / (va * vb) if va and vb else 0.0


def green_pixels(rows, x0, y0, w, h):
    return sum(1 for y in range(y0, y0 + h) for x in range(x0, x0 + w)
               if sum(abs(c - g) for c, g in zip(pixel(rows, x, y), GREEN)) <= 60)


def main():
    page_path, screen_path = sys.argv[1], sys.argv[2]
    wx, wy, ww, wh = (int(v) for v in sys.argv[3:7])
    pw, ph, page = read_ppm(page_path)
    marked = [(x, y) for y in range(ph) for x in range(pw) if min(pixel(page, x, y)) < 240]
    if not marked:
        raise SystemExit("FAILED: the printed page is blank")
    left, right = min(x for x, _ in marked), max(x for x, _ in marked)
    top, bottom = min(y for _, y in marked), max(y for _, y in marked)
    bw, bh = right - left + 1, bottom - top + 1
    print("page %dx%d, printed area %dx%d at %d,%d" % (pw, ph, bw, bh, left, top))
    failures = []
    if abs(left - (pw - 1 - right)) > 0.02 * pw or abs(top - (ph - 1 - bottom)) > 0.02 * ph:
        failures.append("the printed area is not centred on the page")
    if bw < 0.8 * pw and bh < 0.8 * ph:
        failures.append("the printed area does not fill the page in either direction")

    _, _, screen = read_pixels(open(screen_path, "rb").read(), (wx, wy, ww, wh))
    client_h = round(ww * bh / bw)  # the client area: the window without its menu bar
    if not 0.8 * wh <= client_h <= wh:
        failures.append("the printed area has not the shape of the client area (%d of %d rows)"
                        % (client_h, wh))
    else:
        lines = max(8, round(48 * bh / bw))
        printed = grey_grid(page, left, top, bw, bh, 48, lines)
        shown = grey_grid(screen, 0, wh - client_h, ww, client_h, 48, lines)
        r = correlation(printed, shown)
        print("grey-level correlation between page and screen: %.3f" % r)
        if r < 0.85:
            failures.append("the page does not look like the window (correlation %.3f)" % r)
    greens = green_pixels(page, left, top, bw, bh)
    print("pixels in the solver's green on the page: %d" % greens)
    if greens < 30:
        failures.append("the solver's green digits are missing from the page")
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
