#!/usr/bin/env bash
# 16 x 16: the complete search against a general SAT solver on the same
# puzzles. Ours: each puzzle counted to two once (a uniqueness proof), the
# median and slowest puzzle, inside one process. The SAT solver (cadical;
# apt-get install cadical): the first solution, a new process per puzzle
# with the encoding read from a file, as the shared script measures it.
#   bench/engine16_compare.sh build/bench/gridora_engine_bench file ...
set -euo pipefail
ours=$1
shift
sat=${SAT_SUDOKU:-$(cd "$(dirname "$0")/../.." && pwd)/shared/peers/sat-sudoku.py}
uptime
echo '| set | puzzles | ours median ms | ours slowest ms | ours most guesses | cadical |'
echo '|---|---:|---:|---:|---:|---|'
for set in "$@"; do
  row=$("$ours" --runs 1 --seconds 0 "$set" | awk 'NR == 2 {printf "%s | %s | %s | %s", $2, $8, $7, $9}')
  peer="(no cadical)"
  if command -v cadical >/dev/null && [ -f "$sat" ]; then
    peer=$(python3 "$sat" "$set" | sed 's/^[^;]*; //')
  fi
  echo "| $(basename "$set" .txt) | $row | $peer |"
done
