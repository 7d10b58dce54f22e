#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# gridora-solve --generate with -j 1 against -j 2, per board size and grade:
# wall time of the whole run, the two alternating, median of ROUNDS rounds.
# The puzzles of both runs must be the same bytes (the last column).
#
#   bench/generate_jobs.sh build/src/app/gridora-solve
#   ROUNDS=5 SEED=7 COUNT=10 bench/generate_jobs.sh build/src/app/gridora-solve
#
# Take the figures on a quiet machine (load average under 0.5).
set -euo pipefail
solver=${1:-build/src/app/gridora-solve}
rounds=${ROUNDS:-3}
seed=${SEED:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Puzzles a run (COUNT for all): fewer where each takes long.
count_of() {
  case "${COUNT:-}/$1/$2" in
    [0-9]*) echo "$COUNT" ;;
    /9/expert) echo 20 ;;
    /9/*) echo 100 ;;
    *) echo 20 ;;
  esac
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| size | grade | puzzles | -j 1 (s) | -j 2 (s) | speed-up | same puzzles |"
echo "|---|---|---:|---:|---:|---:|---|"
for size in 9 16; do
  for grade in easy standard hard expert; do
    n=$(count_of "$size" "$grade")
    : >"$work/t1"
    : >"$work/t2"
    for ((r = 0; r < rounds; ++r)); do
      for j in 1 2; do
        /usr/bin/time -f %e -o "$work/time" \
          "$solver" --generate "$n" --size "$size" --grade "$grade" --seed "$seed" -j "$j" \
          >"$work/out$j"
        cat "$work/time" >>"$work/t$j"
      done
    done
    one=$(median <"$work/t1")
    two=$(median <"$work/t2")
    same=no
    cmp -s "$work/out1" "$work/out2" && same=yes
    awk -v s="$size" -v g="$grade" -v n="$n" -v a="$one" -v b="$two" -v same="$same" \
      'BEGIN { printf "| %s | %s | %s | %s | %s | %.2f | %s |\n", s, g, n, a, b, (b > 0 ? a / b : 0), same }' 
  done
done
echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
