#!/usr/bin/env bash
# gridora-solve end to end: a comment, a puzzle with two 7s in row 1 and a
# line that is no puzzle. The JSON line and the error are compared byte for
# byte; the bad line makes the exit status 1 without stopping the rest.
#   cli_test.sh path/to/gridora-solve
set -uo pipefail
solver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dots() { printf '%*s' "$1" '' | tr ' ' '.'; }
{
  echo "# two sevens"
  echo ".7..7$(dots 76):comment"
  echo "123"
  echo ".7..7$(dots 76)"
} >"$work/in.txt"

board="[0,7,0,0,7$(for _ in $(seq 76); do printf ',0'; done)]"
json="{\"message\":\"エラー発生  場所：( x =  5, y =  1)\",\"board\":$board,\"solutions\":0,\"answers\":[],\"enabled_answers\":0}"
printf '%s\n%s\n' "$json" "$json" >"$work/expected.txt"
printf '%s\n' "$work/in.txt:3: a puzzle has 81 or 256 cells, this line has 3" >"$work/expected.err"

"$solver" --json "$work/in.txt" >"$work/out.txt" 2>"$work/out.err"
status=$?
fail=0
[ "$status" -eq 1 ] || { echo "exit status $status, expected 1"; fail=1; }
cmp "$work/expected.txt" "$work/out.txt" || { diff "$work/expected.txt" "$work/out.txt"; fail=1; }
cmp "$work/expected.err" "$work/out.err" || { diff "$work/expected.err" "$work/out.err"; fail=1; }

# Standard input, the people's form: the message, then the board.
printf '%s\n' "$(dots 80)5" | "$solver" --max9 0 >"$work/text.txt"
{
  echo "解けませんでした"
  for row in 1 2 3 4 5 6 7 8; do echo ". . . . . . . . ."; done
  echo ". . . . . . . . 5"
  echo
} >"$work/text.expected"
cmp "$work/text.expected" "$work/text.txt" || { diff "$work/text.expected" "$work/text.txt"; fail=1; }

# A puzzle file is read like a line: the golden 9 x 9 file has one solution,
# so every cell ends filled and the first answer is the board itself.
data=$(dirname "$0")/../data
"$solver" --json "$data/golden9.gdr" >"$work/gdr.txt"
grep -q '^{"message":"成功！","board":\[[1-9]' "$work/gdr.txt" || { echo "golden9.gdr not solved"; cat "$work/gdr.txt"; fail=1; }
grep -q '"board":\[[^]]*[^0-9]0[],]' "$work/gdr.txt" && { echo "golden9.gdr left an empty cell"; fail=1; }
grep -q '"solutions":1,' "$work/gdr.txt" || { echo "golden9.gdr: solution count"; fail=1; }
# A broken one is reported with its line, the others still solved.
printf 'Gridora\r\n' >"$work/bad.GDR"
"$solver" --quiet "$work/bad.GDR" "$data/golden9.gdr" 2>"$work/bad.err"
[ $? -eq 1 ] || { echo "bad .gdr not reported in the exit status"; fail=1; }
grep -q "^$work/bad.GDR:1: " "$work/bad.err" || { echo "bad .gdr message"; cat "$work/bad.err"; fail=1; }

# Input that cannot be read, or would never end, is an error naming the
# file; a line longer than any puzzle line is refused without being read
# whole. timeout only keeps a broken build from hanging the test.
mkdir "$work/folder"
head -c 5000000 /dev/zero | tr '\0' '1' >"$work/huge.txt"
head -c 2000000 /dev/zero >"$work/big.gdr"
while IFS='|' read -r input expected; do
  timeout 60 "$solver" --quiet "$input" 2>"$work/input.err" </dev/null
  status=$?
  [ "$status" -eq 1 ] || { echo "$input: exit status $status, expected 1"; fail=1; }
  printf '%s\n' "$expected" | cmp -s - "$work/input.err" ||
    { echo "$input: got '$(cat "$work/input.err")', expected '$expected'"; fail=1; }
done <<EOF_CASES
$work/folder|$work/folder: cannot read: Is a directory
/dev/zero|/dev/zero:1: line longer than 1024 bytes; the rest is not read
$work/huge.txt|$work/huge.txt:1: line longer than 1024 bytes; the rest is not read
$work/big.gdr|$work/big.gdr: too large (a puzzle file has at most 1048576 bytes)
$work/missing.txt|$work/missing.txt: cannot open: No such file or directory
EOF_CASES

# Leading blanks change nothing: the puzzle is read, a blank or a "#" line
# after blanks holds no puzzle.
printf '   %s\n \t\n   # note\n' "$(dots 80)5" | "$solver" --max9 0 >"$work/blanks.txt"
[ $? -eq 0 ] || { echo "leading blanks: exit status"; fail=1; }
cmp "$work/text.expected" "$work/blanks.txt" || { diff "$work/text.expected" "$work/blanks.txt"; fail=1; }

# An unknown option is refused before anything is solved.
"$solver" --bogus "$work/in.txt" >/dev/null 2>&1
[ $? -eq 2 ] || { echo "unknown option not refused"; fail=1; }
exit $fail
