#!/usr/bin/env bash
# Whole process against whole process: gridora-solve and QQWing
# (qqwing --solve --count-solutions) on every puzzle set, runs interleaved,
# median wall time of RUNS runs each. Prints a Markdown table.
#   bench/compare_qqwing.sh build/src/app/gridora-solve
#   PUZZLES=dir RUNS=n override the set folder (default ../shared/puzzles) and runs (5).
set -euo pipefail
solver=$(realpath "${1:?path of gridora-solve}")
here=$(cd "$(dirname "$0")" && pwd)
puzzles=${PUZZLES:-$here/../../shared/puzzles}
runs=${RUNS:-5}
qqwing=$(command -v qqwing || true)
[ -n "$qqwing" ] || echo "qqwing not found (apt-get install qqwing): its column stays empty" >&2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seconds (with fraction) that a command takes, its output thrown away.
seconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f\n", (b - a) / 1e9 }' 
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "| set | puzzles | gridora-solve puzzles/s | QQWing puzzles/s | ratio | one | several | too many | not solved | contradiction |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|"
for set in "$puzzles"/*.txt; do
  name=$(basename "$set" .txt)
  # Both programs get the bare cells, one puzzle a line.
  sed -e 's/[: ].*//' "$set" | grep -E '^[.0-9A-Ga-g]+$' >"$work/cells.txt" || true
  count=$(wc -l <"$work/cells.txt")
  size=$(head -1 "$work/cells.txt" | tr -d '\n' | wc -c)
  ours=() theirs=()
  for _ in $(seq "$runs"); do
    ours+=("$(seconds "$solver" "$work/cells.txt")")
    if [ -n "$qqwing" ] && [ "$size" -eq 81 ]; then
      theirs+=("$(seconds sh -c "\"$qqwing\" --solve --count-solutions <\"$work/cells.txt\"")")
    fi
  done
  ours_s=$(printf '%s\n' "${ours[@]}" | median)
  ours_rate=$(awk -v n="$count" -v s="$ours_s" 'BEGIN { printf "%.0f", n / s }')
  if [ ${#theirs[@]} -gt 0 ]; then
    theirs_s=$(printf '%s\n' "${theirs[@]}" | median)
    theirs_rate=$(awk -v n="$count" -v s="$theirs_s" 'BEGIN { printf "%.0f", n / s }')
    ratio=$(awk -v a="$theirs_s" -v b="$ours_s" 'BEGIN { printf "%.2f", a / b }')
  else
    theirs_rate="-" ratio="- (9 x 9 only)"
  fi
  stats=$("$solver" --quiet --stats "$work/cells.txt" 2>&1 >/dev/null)
  read -r one several toomany notsolved contradiction < <(echo "$stats" |
    sed -E 's/.*one ([0-9]+)  several ([0-9]+)  too many ([0-9]+)  not solved ([0-9]+)  contradiction ([0-9]+).*/\1 \2 \3 \4 \5/')
  echo "| $name | $count | $ours_rate | $theirs_rate | $ratio | $one | $several | $toomany | $notsolved | $contradiction |"
done
