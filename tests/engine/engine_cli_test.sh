#!/usr/bin/env bash
# gridora-solve with the complete search, end to end: counts, the unique
# verdict and its exit statuses (3 not unique, 1 unreadable input), JSON, the same output on one thread and on
# several, and generated puzzles (same seed, same lines; symmetric; unique).
#   engine_cli_test.sh path/to/gridora-solve
set -uo pipefail
solver=$1
data=$(dirname "$0")/../data/puzzles
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() {  # name expected actual
  [ "$2" = "$3" ] || { printf '%s: expected [%s], got [%s]\n' "$1" "$2" "$3"; fail=1; }
}

dots() { printf '%*s' "$1" '' | tr ' ' '.'; }
# The first tdoku puzzle has one solution, given in the file.
line=$(grep -v '^#' "$data/9x9_tdoku_counts.txt" | head -1)
unique=${line%%:*}
solution=${line##*:}
empty=$(dots 81)
clash=".7..7$(dots 76)"

printf '%s\n' "$empty" "$unique" "$clash" >"$work/three.txt"
check "count" "$(printf '5\n1\n0')" "$("$solver" --count 5 "$work/three.txt")"

out=$("$solver" --unique "$work/three.txt"); status=$?
check "unique verdicts" "$(printf '解が2つ以上あります\n解は1つだけです\n解がありません')" "$out"
check "unique status, not unique" 3 "$status"
"$solver" --unique <<<"$unique" >/dev/null; check "unique status, one" 0 "$?"
# Input that cannot be read is told apart, and wins over a verdict.
"$solver" --unique "$work/missing.txt" 2>/dev/null; check "unique status, unreadable" 1 "$?"
"$solver" --unique "$work/three.txt" "$work/missing.txt" >/dev/null 2>&1
check "unique status, unreadable and not unique" 1 "$?"
printf 'no puzzle\n%s\n' "$unique" | "$solver" --unique >/dev/null 2>&1
check "unique status, a line that is no puzzle" 1 "$?"

digits=$(echo "$solution" | sed 's/./&,/g; s/,$//')
check "json" "{\"solutions\":1,\"solution\":[$digits]}" "$("$solver" --count 2 --json <<<"$unique")"
check "engine text" "成功！" "$("$solver" --engine <<<"$unique" | head -1)"
check "engine board" "$(echo "${solution:72:9}" | sed 's/./& /g; s/ $//')" \
  "$("$solver" --engine <<<"$unique" | sed -n 10p)"

# Several threads write what one thread writes, in input order.
cat "$data"/*.txt >"$work/sets.txt"
for mode in "" "--engine" "--count 3" "--rate --json"; do
  # shellcheck disable=SC2086
  one=$("$solver" $mode -j 1 "$work/sets.txt" | md5sum)
  # shellcheck disable=SC2086
  two=$("$solver" $mode -j 2 "$work/sets.txt" | md5sum)
  check "-j 2 against -j 1 ($mode)" "$one" "$two"
done

# Generated puzzles: the same seed gives the same lines; every line has
# one solution; --symmetric keeps a half turn.
"$solver" --generate 6 --seed 9 --symmetric -j 2 >"$work/gen1.txt"
"$solver" --generate 6 --seed 9 --symmetric -j 1 >"$work/gen2.txt"
cmp -s "$work/gen1.txt" "$work/gen2.txt" || { echo "same seed, other puzzles"; fail=1; }
check "generated lines" 6 "$(grep -c '^[.1-9]\{81\}$' "$work/gen1.txt")"
while read -r p; do
  reversed=$(echo "$p" | rev | tr '1-9' 'x')
  check "half-turn symmetry" "$(echo "$p" | tr '1-9' 'x')" "$reversed"
done <"$work/gen1.txt"
"$solver" --unique "$work/gen1.txt" >/dev/null; check "generated puzzles are unique" 0 "$?"
# Standard puzzles take a few attempts each, which the threads share out.
for j in 1 2 4; do
  "$solver" --generate 8 --grade standard --seed 11 -j $j >"$work/std$j.txt"
done
cmp -s "$work/std1.txt" "$work/std2.txt" && cmp -s "$work/std1.txt" "$work/std4.txt" ||
  { echo "-j changed the puzzles of a seed"; fail=1; }
check "standard lines" 8 "$(grep -c '^[.1-9]\{81\}$' "$work/std4.txt")"
"$solver" --generate 2 --size 16 --grade easy --seed 4 >"$work/gen16.txt"
check "16 x 16 lines" 2 "$(grep -c '^[.1-9A-G]\{256\}$' "$work/gen16.txt")"
"$solver" --unique "$work/gen16.txt" >/dev/null; check "16 x 16 unique" 0 "$?"

# --rate: a line a puzzle with ER/EP/ED, technique and steps; --json holds
# the rating as a number; --steps adds one line a step that ends the path.
"$solver" --rate "$work/sets.txt" >"$work/rate.txt"
check "rate lines" "$(grep -cE '^[.0-9A-Ga-g]{81}([ :]|$)|^[.0-9A-Ga-g]{256}' "$work/sets.txt")" "$(grep -c . "$work/rate.txt")"
check "rate line form" 0 "$(grep -vc ' [0-9]*\.[0-9]+\?/[0-9]*\.[0-9]/[0-9]*\.[0-9] .*, [0-9]* steps$' "$work/rate.txt")"
check "rate json" 1 "$("$solver" --rate --json <<<"$unique" | grep -c '"rating":[0-9]*\.[0-9],.*"technique":"')"
steps=$("$solver" --rate <<<"$unique" | sed 's/.*, \([0-9]*\) steps$/\1/')
check "rate steps" "$((steps + 1))" "$("$solver" --rate --steps <<<"$unique" | grep -c .)"

"$solver" --generate 1 --grade nonsense >/dev/null 2>&1; check "bad grade" 2 "$?"
"$solver" --count 0 <<<"$unique" >/dev/null 2>&1; check "bad count" 2 "$?"
exit $fail
