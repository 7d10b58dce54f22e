#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Shuffled copies of 9 x 9 puzzle sets, to check that a solver's speed does
not hang on the orientation of the puzzles as published.

    python3 bench/shuffle_sets.py OUT_DIR SET.txt ...

Every puzzle with a solution (a line whose count after ':' is not 0) is
written three times, each time with its digits relabelled and its rows and
columns shuffled within and between bands at random (fixed seed); the copies
keep the file's name in OUT_DIR.
"""
import os
import random
import sys

rng = random.Random(2026)


def band_order():
    bands = [0, 1, 2]
    rng.shuffle(bands)
    order = []
    for band in bands:
        members = [band * 3, band * 3 + 1, band * 3 + 2]
        rng.shuffle(members)
        order += members
    return order


def main():
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for path in sys.argv[2:]:
        with open(path) as src, open(os.path.join(out_dir, os.path.basename(path)), "w") as out:
            for line in src:
                fields = line.strip().split(":")
                if len(fields[0]) < 81 or (len(fields) > 1 and fields[1] == "0"):
                    continue
                cells = fields[0][:81]
                for _ in range(3):
                    digits = list(range(1, 10))
                    rng.shuffle(digits)
                    rows, columns = band_order(), band_order()
                    shuffled = ["."] * 81
                    for r in range(9):
                        for c in range(9):
                            ch = cells[r * 9 + c]
                            if ch not in ".0":
                                shuffled[rows[r] * 9 + columns[c]] = str(digits[int(ch) - 1])
                    out.write("".join(shuffled) + "\n")


if __name__ == "__main__":
    main()
