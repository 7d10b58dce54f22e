#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# A general SAT solver's whole process on each puzzle of a file, timed one by
# one, to set beside the complete search's slowest puzzle: prints the
# fastest, median and slowest time. Each puzzle is encoded as usual (each
# cell one digit, each unit each digit once, the clues as unit clauses),
# written to a file and given to a new process, as a user would run it.
#   python3 bench/sat_per_puzzle.py FILE [cadical|minisat]
import os, statistics, subprocess, sys, tempfile, time

path = sys.argv[1]
solver = sys.argv[2] if len(sys.argv) > 2 else 'cadical'


def encode(p):
    n = 16 if len(p) == 256 else 9
    b = 4 if n == 16 else 3
    v = lambda r, c, d: (r * n + c) * n + d + 1
    clauses = []

    def exactly_one(lits):
        clauses.append(lits)
        clauses.extend([-lits[i], -lits[j]] for i in range(len(lits)) for j in range(i + 1, len(lits)))

    for r in range(n):
        for c in range(n):
            exactly_one([v(r, c, d) for d in range(n)])
    for d in range(n):
        for i in range(n):
            exactly_one([v(i, c, d) for c in range(n)])
            exactly_one([v(r, i, d) for r in range(n)])
            br, bc = i // b * b, i % b * b
            exactly_one([v(br + k // b, bc + k % b, d) for k in range(n)])
    for i, ch in enumerate(p):
        if ch not in '.0':
            d = int(ch, 17) - 1 if n == 16 else int(ch) - 1
            clauses.append([v(i // n, i % n, d)])
    return n * n * n, clauses


times = []
for line in open(path):
    p = line.strip().split(':')[0].split()[0] if line.strip() else ''
    if len(p) not in (81, 256):
        continue
    nv, clauses = encode(p)
    with tempfile.NamedTemporaryFile('w', suffix='.cnf', delete=False) as f:
        f.write(f'p cnf {nv} {len(clauses)}\n')
        f.write(''.join(' '.join(map(str, c)) + ' 0\n' for c in clauses))
    args = [solver, '-q', f.name] if solver == 'cadical' else [solver, '-verb=0', f.name]
    start = time.perf_counter()
    subprocess.run(args, capture_output=True)
    times.append((time.perf_counter() - start) * 1000)
    os.unlink(f.name)
print(f'{os.path.basename(path)}: {len(times)} puzzles; {solver} whole process per puzzle: '
      f'fastest {min(times):.1f} ms, median {statistics.median(times):.1f} ms, slowest {max(times):.1f} ms')
