#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Random boards of every density for the complete search: full grids made
# from the base pattern with digits relabelled and rows, columns, bands and
# stacks shuffled, then each cell kept with a probability that sweeps from
# 0 to 1; a third of the boards get one cell overwritten with another digit
# (most of those have no solution). One board a line, '.' for empty.
#   python3 bench/random_boards.py SIZE COUNT SEED > FILE
import random, sys

n, count, seed = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
b = 4 if n == 16 else 3
rng = random.Random(seed)
chars = '123456789ABCDEFG'[:n]


def shuffled_lines():
    bands = rng.sample(range(b), b)
    return [band * b + i for band in bands for i in rng.sample(range(b), b)]


for k in range(count):
    rows, cols, digits = shuffled_lines(), shuffled_lines(), rng.sample(range(n), n)
    grid = [digits[(b * (r % b) + r // b + c) % n] for r in rows for c in cols]
    keep = k / max(1, count - 1)
    board = [chars[d] if rng.random() < keep else '.' for d in grid]
    if k % 3 == 2:
        cell = rng.randrange(n * n)
        board[cell] = chars[rng.randrange(n)]
    print(''.join(board))
