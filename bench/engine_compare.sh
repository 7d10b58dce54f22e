#!/usr/bin/env bash
# The complete search against the peer solvers, side by side in one run:
# for every 9 x 9 set, REPEAT rounds of (peers, then ours), each solver given
# SECONDS seconds a round; the table shows the median of the rounds in
# puzzles per second and our ratio to each peer, for the first solution
# (the peers' driver with -f) and for counting to two (its default). The peers are built by the shared script when it is
# there; without it only our figures are printed. Puzzles without any
# solution are left out (the peers' driver cannot take them).
#   bench/engine_compare.sh build/bench/gridora_engine_bench [puzzle folder]
# PEER_PERMUTE=0 stops tdoku's driver from relabelling and shuffling each
# puzzle itself (its -r0): use it on copies already shuffled with
# bench/shuffle_sets.py, so that both sides see the same boards.
set -euo pipefail
ours=$1
puzzles=${2:-$(cd "$(dirname "$0")/../.." && pwd)/shared/puzzles}
seconds=${SECONDS_PER_RUN:-3}
repeat=${REPEAT:-3}
permute=${PEER_PERMUTE:-1}
peers_script=$(cd "$(dirname "$0")/../.." && pwd)/shared/peers/build-tdoku.sh
peers=""
if [ -x "$peers_script" ] || [ -f "$peers_script" ]; then
  peers=$(bash "$peers_script" "${PEERS_DIR:-/tmp/peers-tdoku}" | tail -1)
fi
median() { sort -g | awk '{v[NR]=$1} END {print NR ? v[int((NR+1)/2)] : 0}'; }
printf '| set | ours, first |'
[ -n "$peers" ] && printf ' tdoku, first | JSolve, first | ours / tdoku | ours / JSolve |'
printf ' ours, count to 2 |'
[ -n "$peers" ] && printf ' tdoku, count to 2 | JSolve, count to 2 | ours / tdoku | ours / JSolve |'
echo
for set in "$puzzles"/9x9_*.txt; do
  work=$(mktemp -d)
  # The peers' driver stops at a puzzle without solution: those (10 of the
  # tdoku test set) are left out for everyone.
  awk -F: '$2 != "0" {print $1}' "$set" >"$work/cells.txt"
  for round in $(seq "$repeat"); do
    if [ -n "$peers" ]; then
      for mode in first count2; do
        flag=""
        [ "$mode" = first ] && flag="-f"
        # shellcheck disable=SC2086
        "$peers" -t"$seconds" -w1 -v0 -r"$permute" $flag -s tdoku,jsolve "$work/cells.txt" 2>/dev/null |
          awk -F'|' -v dir="$work" -v m="$mode" \
            '/^\|(tdoku|jsolve) /{split($2, n, " "); print $3 >> (dir "/" n[1] "." m)}' || true
      done
    fi
    "$ours" --runs 1 --seconds "$seconds" "$work/cells.txt" |
      awk -v dir="$work" 'NR == 2 {print $3 >> (dir "/first"); print $5 >> (dir "/count2")}'
  done
  ratio() { awk -v a="$1" -v b="$2" 'BEGIN {print b ? a / b : 0}'; }
  first=$(median <"$work/first"); count2=$(median <"$work/count2")
  printf '| %s | %.0f |' "$(basename "$set" .txt)" "$first"
  if [ -n "$peers" ]; then
    touch "$work"/{tdoku,jsolve}.{first,count2}
    t=$(median <"$work/tdoku.first"); j=$(median <"$work/jsolve.first")
    printf ' %.0f | %.0f | %.2f | %.2f |' "$t" "$j" "$(ratio "$first" "$t")" "$(ratio "$first" "$j")"
  fi
  printf ' %.0f |' "$count2"
  if [ -n "$peers" ]; then
    t=$(median <"$work/tdoku.count2"); j=$(median <"$work/jsolve.count2")
    printf ' %.0f | %.0f | %.2f | %.2f |' "$t" "$j" "$(ratio "$count2" "$t")" "$(ratio "$count2" "$j")"
  fi
  echo
  rm -rf "$work"
done
