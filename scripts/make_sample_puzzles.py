#!/usr/bin/env python3
"""Writes two sample puzzles of our own as ".gdr" files (Shift-JIS, CR LF):
  sample9.gdr   a 9 x 9 puzzle with exactly one solution;
  sample16.gdr  a 16 x 16 puzzle;
  play9.gdr, play16.gdr  the same puzzles in play: a few cells filled in,
                one of them wrongly with a digit its row already holds; and
  play9.cursor, play16.cursor  the cell of that row's given digit, for the
                keypad cursor of the screenshots.
Both start from a shuffled pattern solution; the 9 x 9 one drops givens
only while the solution stays unique. Deterministic (fixed seed).

    python3 scripts/make_sample_puzzles.py OUTPUT_FOLDER
"""
import random
import sys


def solution(n, rng):
    box = int(n ** 0.5)
    # A valid grid from the usual pattern, then shuffled within its symmetries.
    rows = [b * box + r for b in rng.sample(range(box), box) for r in rng.sample(range(box), box)]
    cols = [b * box + c for b in rng.sample(range(box), box) for c in rng.sample(range(box), box)]
    digits = rng.sample(range(1, n + 1), n)
    return [[digits[(box * (r % box) + r // box + c) % n] for c in cols] for r in rows]


def count_solutions(grid, n, limit=2):
    box = int(n ** 0.5)
    cells = [(r, c) for r in range(n) for c in range(n) if grid[r][c] == 0]

    def allowed(r, c):
        used = set(grid[r]) | {grid[i][c] for i in range(n)}
        br, bc = r - r % box, c - c % box
        used |= {grid[br + i][bc + j] for i in range(box) for j in range(box)}
        return [d for d in range(1, n + 1) if d not in used]

    def search():
        empty = [(len(allowed(r, c)), r, c) for r, c in cells if grid[r][c] == 0]
        if not empty:
            return 1
        _, r, c = min(empty)
        found = 0
        for d in allowed(r, c):
            grid[r][c] = d
            found += search()
            grid[r][c] = 0
            if found >= limit:
                break
        return found

    return search()


def write_gdr(path, grid, n, comment):
    rows = ["".join(str(d) if d < 10 else chr(ord("a") + d - 10) if d else "0" for d in row)
            for row in grid]
    characters = ",".join(str(d) for d in range(1, n + 1))
    lines = ["Gridoraデータ ver 2.1", "", "[Size]    // 9 or 16", " %d" % n,
             "[Author]  // 作者の名前", "Gridora", "[Date]    // 制作日", "2026/12/07",
             "[Comment] // コメント", comment, "[Character] // キャラクター", characters,
             "[Enabled] // データの変更可能か", "True", "", "[Data]    // データ"] + rows
    with open(path, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("cp932"))


def write_play(folder, grid, full, n):
    """The puzzle with every fourth empty cell solved and one mistake: an
    empty cell of the first row that has a given gets that given's digit."""
    play = [row[:] for row in grid]
    empty = [(r, c) for r in range(n) for c in range(n) if grid[r][c] == 0]
    for r, c in empty[::4]:
        play[r][c] = full[r][c]
    row = next(r for r in range(n) if any(grid[r]) and 0 in play[r])
    given = next(c for c in range(n) if grid[row][c])
    wrong = next(c for c in range(n) if play[row][c] == 0)
    play[row][wrong] = grid[row][given]
    write_gdr(folder + "/play%d.gdr" % n, play, n, "見本の問題 (%dx%d) 途中" % (n, n))
    with open(folder + "/play%d.cursor" % n, "w") as out:
        out.write("%d\n" % (row * n + given))


def main(folder):
    rng = random.Random(61207)
    full = solution(9, rng)
    grid = [row[:] for row in full]
    for r, c in rng.sample([(r, c) for r in range(9) for c in range(9)], 81):
        keep = grid[r][c]
        grid[r][c] = 0
        if count_solutions([row[:] for row in grid], 9) != 1:
            grid[r][c] = keep
    write_gdr(folder + "/sample9.gdr", grid, 9, "見本の問題 (9x9)")
    write_play(folder, grid, full, 9)

    full = solution(16, rng)
    grid = [row[:] for row in full]
    for r, c in rng.sample([(r, c) for r in range(16) for c in range(16)], 110):
        grid[r][c] = 0
    write_gdr(folder + "/sample16.gdr", grid, 16, "見本の問題 (16x16)")
    write_play(folder, grid, full, 16)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
