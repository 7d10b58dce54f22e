#!/usr/bin/env bash
# Time to make a 100-puzzle book of each grade, 4 a page, to PDF: wall and
# CPU time (generation and painting, from --stats and /usr/bin/time), and
# the PDF's size. Prints one Markdown table row a grade, after the load
# average (figures count only on a quiet machine: load under 0.5).
#   bench/book_bench.sh GRIDORA_SOLVE [GRADES] [COUNT] [JOBS]
# e.g. bench/book_bench.sh build/src/app/gridora-solve "easy standard hard expert" 100 2
set -euo pipefail
solve=$1
grades=${2:-easy standard hard expert}
count=${3:-100}
jobs=${4:-2}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "load before: $(uptime | sed 's/.*load average: //')"
echo "| grade | puzzles | pages | wall s | CPU s (user + sys) | generate s | PDF s | PDF bytes |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|"
for grade in $grades; do
  /usr/bin/time -f "%e %U %S" -o "$work/time" "$solve" --book "$work/$grade.pdf" --grade "$grade" \
    --count "$count" --per-page 4 --seed 2026 -j "$jobs" --stats 2>"$work/stats"
  read -r wall user sys <"$work/time"
  stats=$(grep '^puzzles' "$work/stats")
  pages=$(awk '{print $4}' <<<"$stats")
  generate=$(awk '{print $7}' <<<"$stats")
  pdf=$(awk '{print $10}' <<<"$stats")
  cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN {printf "%.2f", u + s}')
  echo "| $grade | $count | $pages | $wall | $cpu | $generate | $pdf | $(stat -c %s "$work/$grade.pdf") |"
done
echo "load after: $(uptime | sed 's/.*load average: //')"
