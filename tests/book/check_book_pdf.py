#!/usr/bin/env python3
"""Checks a puzzle book PDF the way a reader sees it.

    check_book_pdf.py BOOK.pdf LAYOUT.json PUZZLES.txt TITLE SIZE PER_PAGE

LAYOUT.json is what book_layout_probe prints for the book's paper, size and
puzzles a page; PUZZLES.txt the puzzles, one a line, as gridora-solve
--generate printed them for the same seed. The PDF must hold, as pdftotext
reads it, the title on every page, page numbers "k / n", each puzzle's
number and givens in its own grid in order, and solutions at the back that
solve their puzzles; rendered by pdftoppm, each grid's lines must lie where
the layout puts them, box lines thicker than cell lines.
"""
import html
import json
import re
import subprocess
import sys
import tempfile

DPI = 150


def words_by_page(pdf):
    """[(page width, page height, [(x0, y0, x1, y1, text)])] from pdftotext -bbox."""
    out = subprocess.run(["pdftotext", "-bbox", pdf, "-"], check=True,
                         capture_output=True, text=True).stdout
    pages = []
    for m in re.finditer(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', out, re.S):
        words = [(float(a), float(b), float(c), float(d), html.unescape(t)) for a, b, c, d, t in
                 re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                            r'yMax="([\d.]+)">(.*?)</word>', m.group(3))]
        pages.append((float(m.group(1)), float(m.group(2)), words))
    return pages


def inside(word, box, slack=0.0):
    x, y, w, h = box
    cx, cy = (word[0] + word[2]) / 2, (word[1] + word[3]) / 2
    return x - slack <= cx <= x + w + slack and y - slack <= cy <= y + h + slack


def text_in(words, box):
    return "".join(w[4] for w in sorted((w for w in words if inside(w, box, 1)),
                                        key=lambda w: w[0]))


def grid_in(words, square, n):
    """The digits read in the grid's cells, one list in reading order."""
    x, y, side, _ = square
    cells = [0] * (n * n)
    for w in words:
        if not inside(w, square):
            continue
        cx, cy = (w[0] + w[2]) / 2, (w[1] + w[3]) / 2
        col, row = int((cx - x) / side * n), int((cy - y) / side * n)
        if cells[row * n + col]:
            raise SystemExit(f"two texts in cell {row},{col}")
        cells[row * n + col] = int(w[4])
    return cells


def digits_of(line):
    return [0 if c in ".0" else int(c, 17) for c in line.strip()]


def solved(n, grid):
    box = 3 if n == 9 else 4
    units = [[r * n + c for c in range(n)] for r in range(n)]
    units += [[r * n + c for r in range(n)] for c in range(n)]
    units += [[(br + r) * n + bc + c for r in range(box) for c in range(box)]
              for br in range(0, n, box) for bc in range(0, n, box)]
    return all(sorted(grid[i] for i in u) == list(range(1, n + 1)) for u in units)


def read_pgm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def dark_run(pixels, width, x, y, dx, dy, reach):
    """Dark pixels (< 160) in a row across a line through (x, y), searched
    `reach` pixels either side along (dx, dy)."""
    run = 0
    for k in range(-reach, reach + 1):
        px, py = x + k * dx, y + k * dy
        if pixels[py * width + px] < 160:
            run += 1
    return run


def check_lines(pdf, page_number, squares, n, ppm_dir, weights):
    base = f"{ppm_dir}/p{page_number}"
    subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-aaVector", "no", "-f", str(page_number), "-l",
                    str(page_number), "-singlefile", pdf, base], check=True)
    width, _, pixels = read_pgm(base + ".pgm")
    scale = DPI / 72.0
    box = 3 if n == 9 else 4
    for x, y, side, _ in squares:
        cell = side / n
        thin_runs, thick_runs = [], []
        for k in range(n + 1):
            for along in range(n):
                # A point on line k, a fifth into the cell, clear of digits
                # and of the crossing lines.
                a = (along + 0.2) * cell
                vx, vy = round((x + k * cell) * scale), round((y + a) * scale)
                hx, hy = round((x + a) * scale), round((y + k * cell) * scale)
                runs = (dark_run(pixels, width, vx, vy, 1, 0, 3),
                        dark_run(pixels, width, hx, hy, 0, 1, 3))
                if min(runs) == 0:
                    raise SystemExit(f"page {page_number}: no grid line {k} at "
                                     f"{x + k * cell:.1f},{y + a:.1f} pt")
                (thick_runs if k % box == 0 else thin_runs).extend(runs)
                if k < n:
                    # Inside a cell, beside the line: white paper.
                    ix, iy = round((x + (k + 0.12) * cell) * scale), vy
                    if pixels[iy * width + ix] < 200:
                        raise SystemExit(f"page {page_number}: ink inside cell at {ix},{iy} px")
        if weights and min(thick_runs) <= max(thin_runs):
            raise SystemExit(f"page {page_number}: box lines not thicker than cell lines")


def main():
    pdf, layout_path, puzzles_path, title, size, per_page = sys.argv[1:7]
    n, per_page = int(size), int(per_page)
    layout = json.load(open(layout_path))
    puzzles = [digits_of(line) for line in open(puzzles_path) if line.strip()]
    pages = words_by_page(pdf)
    puzzle_slots, solution_slots = layout["puzzles"], layout["solutions"]
    assert len(puzzle_slots) == per_page, "layout and book disagree on puzzles a page"
    puzzle_pages = -(-len(puzzles) // per_page)
    total = puzzle_pages + -(-len(puzzles) // len(solution_slots))
    if len(pages) != total:
        raise SystemExit(f"{len(pages)} pages, expected {total}")
    for number, (width, height, words) in enumerate(pages, 1):
        if abs(width - layout["paper"][0]) > 1 or abs(height - layout["paper"][1]) > 1:
            raise SystemExit(f"page {number} is {width} x {height} pt")
        if not text_in(words, layout["title"]).startswith(title):
            raise SystemExit(f"page {number}: no title {title!r}")
        if text_in(words, layout["footer"]) != f"{number}/{total}":
            raise SystemExit(f"page {number}: page number {text_in(words, layout['footer'])!r}")
    for k, puzzle in enumerate(puzzles):
        words = pages[k // per_page][2]
        slot = puzzle_slots[k % per_page]
        if not re.fullmatch(rf"問題{k + 1}（\S+）", text_in(words, slot["label"])):
            raise SystemExit(f"puzzle {k + 1}: label {text_in(words, slot['label'])!r}")
        if grid_in(words, slot["square"], n) != puzzle:
            raise SystemExit(f"puzzle {k + 1}: the givens differ from the generated puzzle")
        words = pages[puzzle_pages + k // len(solution_slots)][2]
        slot = solution_slots[k % len(solution_slots)]
        if text_in(words, slot["label"]) != str(k + 1):
            raise SystemExit(f"solution {k + 1}: label {text_in(words, slot['label'])!r}")
        solution = grid_in(words, slot["square"], n)
        if not solved(n, solution) or any(g and g != s for g, s in zip(puzzle, solution)):
            raise SystemExit(f"solution {k + 1} does not solve its puzzle")
    with tempfile.TemporaryDirectory() as ppm_dir:
        for number in range(1, total + 1):
            slots = puzzle_slots if number <= puzzle_pages else solution_slots
            first = (number - 1) * per_page if number <= puzzle_pages else \
                (number - 1 - puzzle_pages) * len(solution_slots)
            used = min(len(slots), len(puzzles) - first)
            # Small solution grids have lines of one or two pixels: their
            # weights are compared on the puzzle pages only.
            check_lines(pdf, number, [s["square"] for s in slots[:used]], n, ppm_dir,
                        number <= puzzle_pages)
    print(f"{pdf}: {len(puzzles)} puzzles on {total} pages checked")


if __name__ == "__main__":
    main()
