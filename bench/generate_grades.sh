#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# gridora-solve --generate per board size and grade on one thread: tries
# (attempts) per puzzle, the median and worst wall time of a puzzle (from
# --stats), and the run's CPU time, with the load average beside them.
#
#   bench/generate_grades.sh build/src/app/gridora-solve
#   COUNT=100 SEED=7 bench/generate_grades.sh build/src/app/gridora-solve
#
# Wall times count only on a quiet machine (load average under 0.5); the
# tries do not depend on the load.
set -euo pipefail
solver=${1:-build/src/app/gridora-solve}
count=${COUNT:-100}
seed=${SEED:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "| size | grade | puzzles | tries per puzzle | median | worst | CPU of the run | load average |"
echo "|---|---|---:|---:|---:|---:|---:|---|"
for size in 9 16; do
  for grade in easy standard hard expert; do
    /usr/bin/time -f %U -o "$work/cpu" "$solver" --generate "$count" --size "$size" \
      --grade "$grade" --seed "$seed" -j 1 --stats >/dev/null 2>"$work/stats"
    awk -v s="$size" -v g="$grade" -v cpu="$(cat "$work/cpu")" \
      -v load="$(cut -d' ' -f1-3 /proc/loadavg)" '
      /^puzzles/ { printf "| %s | %s | %s | %s | %s ms | %s ms | %s s | %s |\n",
                   s, g, $2, $12, $5, $8, cpu, load }' "$work/stats"
  done
done
