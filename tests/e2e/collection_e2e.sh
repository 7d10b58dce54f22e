#!/usr/bin/env bash
# A collection from end to end on a virtual X display, driven with keys in
# keypad mode:
#  1. "他の形式を開く" opens a file of one puzzle a line through the file
#     dialog at its first puzzle; the collection is the one played last;
#  2. Ctrl+PageDown moves to the second puzzle, a game of play mode: a
#     digit on a given is refused, then the board is filled with keys from
#     the solution (read through gridora-solve); the message "完成" comes
#     and play mode's records hold the result under the collection's key;
#  3. Ctrl+PageDown (the solved board not saved) shows the third puzzle,
#     whose board is noted, Ctrl+PageUp goes back to the solved one, and the
#     program quits;
#  4. the next start comes back to the collection at the first unsolved
#     puzzle after the one played: the third one's board, and the solved
#     one is still in the records.
#   collection_e2e.sh GRIDORA GRIDORA_SOLVE COLLECTION SETTINGS_FILE
set -euo pipefail
app=$1
solver=$2
collection=$3
settings=$4
here=$(cd "$(dirname "$0")" && pwd)
name="collection end to end"
# shellcheck source=x_session.sh
source "$here/x_session.sh"
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache HOME=$work
mkdir -p "$XDG_CONFIG_HOME/gridora"
# Not a first run; keypad input.
sed 's/^NInputMode=.*/NInputMode= 1\r/' "$settings" >"$XDG_CONFIG_HOME/gridora/Gridora.ini"
cp "$collection" "$work/top.txt"
states=$XDG_STATE_HOME/gridora/collections
records=$XDG_DATA_HOME/gridora/records.txt
size=9
park=80

# Waits until the collection's state says puzzle $1 (0-based) is shown.
wait_position() {
  for _ in $(seq 100); do
    grep -qx "position $1" "$states"/*.txt 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the collection never showed puzzle $1: $(cat "$states"/*.txt 2>/dev/null)"
}
# Answers No when the question about saving the board comes within a second.
not_saved() {
  local ask=""
  for _ in $(seq 10); do
    ask=$(xdotool search --onlyvisible --name '^セーブ確認$' 2>/dev/null | head -1 || true)
    [ -n "$ask" ] && { xdotool windowfocus --sync "$ask" key n; return 0; }
    sleep 0.1
  done
}
# Line $1 of the collection: its 81 cells, 0 for an empty one.
puzzle_line() { sed -n "$1p" "$work/top.txt" | cut -c1-81 | tr '.' '0'; }

# 1. Open the collection through "ツール" → "他の形式を開く".
start
dialog=""
for _ in 1 2 3 4 5; do
  tools_item i
  dialog=$(xdotool search --onlyvisible --name '開く|Open' 2>/dev/null | head -1 || true)
  [ -n "$dialog" ] && break
done
[ -n "$dialog" ] || fail "no file dialog from 他の形式を開く"
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool type --delay 2 "$work/top.txt"
xdotool key Return
wait_position 0
[ "$(cat "$states/last.txt")" = "$work/top.txt" ] || fail "the collection played last is not kept"
cursor=0

# 2. The second puzzle, played with keys to the end.
key ctrl+Next
wait_position 1
cursor=0
puzzle=$(puzzle_line 2)
[ ${#puzzle} -eq 81 ] || fail "cannot read the second puzzle: $puzzle"
echo "$puzzle" >"$work/second.txt"
solution=$("$solver" --engine "$work/second.txt" | grep -E '^[1-9]( [1-9]){8}$' | tr -d ' \n')
[ ${#solution} -eq 81 ] || fail "gridora-solve gave no solution: $solution"
given=$(python3 -c 'import sys; print(next(i for i, c in enumerate(sys.argv[1]) if c != "0"))' "$puzzle")
cells "$work/before"
goto "$given"
digit $((${puzzle:$given:1} % 9 + 1))
cells "$work/refused"
cmp -s "$work/before" "$work/refused" || fail "a given of the collection's puzzle was changed"
for ((cell = 0; cell < 81; ++cell)); do
  [ "${puzzle:$cell:1}" = 0 ] || continue
  goto "$cell"
  digit "${solution:$cell:1}"
done
solved=$(wait_window '^完成$')
xdotool windowfocus --sync "$solved" key Return
sleep 0.5
record_key=$(printf '問題集 %s 2' "$(basename "$(ls "$states"/[0-9a-f]*.txt)" .txt)")
grep -q "^key	$record_key	1	1	" "$records" || fail "no record of the solved puzzle: $(cat "$records")"
grep -q "^result	$record_key	[0-9]*	0	" "$records" || fail "the result is not an unhelped one"

# 3. The third puzzle noted, back to the second, quit.
key ctrl+Next
not_saved
wait_position 2
cursor=0
cells "$work/third"
key ctrl+Prior
wait_position 1
cursor=0
for _ in 1 2 3 4 5; do
  xdotool windowfocus --sync "$main" 2>/dev/null || break
  xdotool key --clearmodifiers alt+f
  sleep 0.3
  xdotool key e
  for _ in $(seq 20); do
    kill -0 "$app_pid" 2>/dev/null || break 2
    sleep 0.1
  done
done
wait_gone || fail "the quit ended with a failure"

# 4. Start again: the collection is back at its first unsolved puzzle after
# the one played, and the solved one is still recorded.
start
wait_position 2
cells "$work/resumed"
cmp -s "$work/third" "$work/resumed" || fail "the collection did not resume at the third puzzle"
grep -q "^key	$record_key	1	1	" "$records" || fail "the solved puzzle was forgotten"
kill -TERM "$app_pid"
wait_gone || true
echo "collection end to end: ok"
