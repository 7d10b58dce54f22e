#!/usr/bin/env bash
# Play mode from end to end on a virtual X display, driven with keys as a
# player drives it (keypad mode):
#  1. 問題を作る-9 makes a puzzle: play mode starts; it is saved, read back
#     and solved by gridora-solve;
#  2. a digit on a given is refused (the file keeps the given);
#  3. a note (F4, a digit, F4), undone and redone; a digit in the note's
#     row, after which the note is gone; undone (note back) and redone;
#  4. the rest filled from the solution: the message "完成" comes, the
#     records file holds the result and "成績(&R)..." shows it;
#  5. a new puzzle, a digit, a note, some seconds of play, SIGTERM: the
#     next start restores the copy with the same board (givens, the
#     player's colour, the note) and the time kept;
#  6. a new puzzle never saved and only notes on it (F4 and the note list
#     by its key, Shift+F4; not one digit), SIGTERM: the next start brings
#     back its givens, notes and time.
# With SHOTS set to a folder it also saves the screenshots of play mode
# there (9 x 9 and 16 x 16 games in progress with notes and the clock, the
# 9 x 9 one in the high-contrast look too, the records dialog).
#   play_e2e.sh GRIDORA GRIDORA_SOLVE SETTINGS_FILE
set -euo pipefail
app=$1
solver=$2
settings=$3
here=$(cd "$(dirname "$0")" && pwd)
name="play end to end"
# shellcheck source=x_session.sh
source "$here/x_session.sh"
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_DATA_HOME=$work/data HOME=$work
ini=$XDG_CONFIG_HOME/gridora/Gridora.ini
mkdir -p "$XDG_CONFIG_HOME/gridora"
# Not a first run; keypad input; the clock on.
sed 's/^NInputMode=.*/NInputMode= 1\r/' "$settings" >"$ini"
printf '[Tools]\r\nShowTimer=True\r\n' >>"$ini"

# The key of digit $1: 1-9, then A-G for 10-16.
key_of() {
  local letters=(0 1 2 3 4 5 6 7 8 9 a b c d e f g)
  echo "${letters[$1]}"
}

# A note: F4, the digit (the cursor stays), F4.
note() {
  key F4
  key "$1"
  key F4
}

cell_of() { sed -n "$(($2 + 1))p" "$1"; }

shot() {
  [ -n "${SHOTS:-}" ] || return 0
  xdotool mousemove 0 0
  sleep 0.4
  xwd -id "$1" -silent | python3 "$here/../../scripts/xwd_to_png.py" "$SHOTS/$2"
}

generate() {  # $1: the item's access key (n for 9 x 9, m for 16 x 16)
  local dialog=""
  for _ in 1 2 3 4 5; do
    tools_item "$1"
    dialog=$(xdotool search --onlyvisible --name '^問題を作る' 2>/dev/null | head -1 || true)
    [ -n "$dialog" ] && break
    local ask
    ask=$(xdotool search --onlyvisible --name '^セーブ確認$' 2>/dev/null | head -1 || true)
    [ -n "$ask" ] && xdotool windowfocus --sync "$ask" key n
  done
  [ -n "$dialog" ] || fail "no 問題を作る dialog"
  xdotool windowfocus --sync "$dialog" key Return
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^セーブ確認$' >/dev/null 2>&1 &&
      xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^セーブ確認$' | head -1)" key n
    xdotool search --onlyvisible --name '^問題を作る' >/dev/null 2>&1 || break
    sleep 0.1
  done
  sleep 2  # 標準 takes well under a second
  cursor=0  # a new puzzle puts the cursor on cell 0
}

# Saves under $1 through the save-as dialog (Ctrl+S on a puzzle without a
# file asks for the name).
save_as() {
  key ctrl+s
  local dialog
  dialog=$(wait_window '保存')
  sleep 0.5
  xdotool windowfocus --sync "$dialog"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  for _ in $(seq 50); do
    [ -f "$1" ] && break
    sleep 0.1
  done
  [ -f "$1" ] || fail "save as wrote no $1"
  sleep 0.3
}

# The digits of a 9 x 9 puzzle file as 81 characters.
digits_of() {
  python3 - "$1" <<'PY'
import sys
lines = open(sys.argv[1], encoding="cp932").read().splitlines()
data = lines[lines.index(next(l for l in lines if l.startswith("[Data]"))) + 1:]
print("".join(l.strip() for l in data if l.strip())[:81])
PY
}

size=9
park=80
start

# 1. A new puzzle: play mode on, kept in a file, solved from outside.
generate n
save_as "$work/game.gdr"
puzzle=$(digits_of "$work/game.gdr")
[ ${#puzzle} -eq 81 ] || fail "cannot read the puzzle: $puzzle"
solution=$("$solver" --engine "$work/game.gdr" | grep -E '^[1-9]( [1-9]){8}$' | tr -d ' \n')
[ ${#solution} -eq 81 ] || fail "gridora-solve gave no solution: $solution"
# Cells to use: a given with another digit that its peers allow (so only
# play mode refuses it); an empty cell a and an empty cell b of the same
# row; an empty cell free apart from both; the park cell is the last given.
read -r given other a b park free < <(python3 - "$puzzle" <<'PY'
import sys
p = sys.argv[1]
def peers(i):
    r, c = divmod(i, 9)
    return {j for j in range(81) if j != i and (j // 9 == r or j % 9 == c or (j // 27, j % 9 // 3) == (r // 3, c // 3))}
for given in (i for i in range(81) if p[i] != "0"):
    allowed = [d for d in "123456789" if d != p[given] and all(p[j] != d for j in peers(given))]
    if allowed:
        break
for r in range(9):
    row = [r * 9 + c for c in range(9) if p[r * 9 + c] == "0"]
    if len(row) >= 2:
        a, b = row[0], row[1]
        break
park = max(i for i, ch in enumerate(p) if ch != "0")
free = next(i for i in range(80, -1, -1) if p[i] == "0" and i not in peers(a) | peers(b) | {a, b})
print(given, allowed[0], a, b, park, free)
PY
)
sa=${solution:$a:1}
cells "$work/p0"

# 2. A digit on a given: refused, the file keeps it.
goto "$given"
digit "$other"
key ctrl+s
sleep 0.5
[ "$(digits_of "$work/game.gdr")" = "$puzzle" ] || fail "a given was changed"

# 3. A note of the digit of a in b; undo, redo.
goto "$b"
note "$sa"
cells "$work/p1"
[ "$(cell_of "$work/p1" "$b")" != "$(cell_of "$work/p0" "$b")" ] || fail "the note was not drawn"
key ctrl+z
cells "$work/u1"
cmp -s "$work/u1" "$work/p0" || fail "undo did not take the note away"
key ctrl+a
cells "$work/r1"
cmp -s "$work/r1" "$work/p1" || fail "redo did not bring the note back"
# The digit in a: the note in b goes with it.
goto "$a"
digit "$sa"
cells "$work/p2"
[ "$(cell_of "$work/p2" "$b")" = "$(cell_of "$work/p0" "$b")" ] || fail "the note did not vanish"
[ "$(cell_of "$work/p2" "$a")" != "$(cell_of "$work/p0" "$a")" ] || fail "the digit was not drawn"
key ctrl+z
cells "$work/u2"
cmp -s "$work/u2" "$work/p1" || fail "undo of the digit did not bring the board and note back"
key ctrl+a
cells "$work/r2"
cmp -s "$work/r2" "$work/p2" || fail "redo of the digit differs"
goto "$free"
note "${solution:$free:1}"
if [ -n "${SHOTS:-}" ]; then
  # More of a game for the picture: the next empty cells with a digit of
  # the solution or a pair of notes in turn.
  k=0
  for ((cell = 0; cell < 81 && k < 12; ++cell)); do
    [ "${puzzle:$cell:1}" = 0 ] && [ "$cell" -ne "$a" ] && [ "$cell" -ne "$b" ] || continue
    goto "$cell"
    if ((k % 3 == 0)); then
      digit "${solution:$cell:1}"
    else
      key F4
      key "${solution:$cell:1}"
      key $(((${solution:$cell:1} % 9) + 1))
      key F4
    fi
    k=$((k + 1))
  done
  sleep 1
fi
shot "$main" play-9x9.png
if [ -n "${SHOTS:-}" ]; then
  tools_item a  # ハイコントラスト(&A), on and off again
  sleep 1
  shot "$main" contrast-play-9x9.png
  tools_item a
  sleep 0.5
fi

# 4. The rest from the solution: the solved message, a record.
for ((cell = 0; cell < 81; ++cell)); do
  [ "${puzzle:$cell:1}" = 0 ] && [ "$cell" -ne "$a" ] || continue
  goto "$cell"
  digit "${solution:$cell:1}"
done
solved=$(wait_window '^完成$')
xdotool windowfocus --sync "$solved" key Return
sleep 0.5
grep -q "^result	9 x 9 " "$XDG_DATA_HOME/gridora/records.txt" || fail "no record of the solved game"
tools_item r
records=$(wait_window '^成績$')
shot "$records" records-dialog.png
xdotool windowfocus --sync "$records" key Escape
sleep 0.3

# 16 x 16 for the screenshots only.
if [ -n "${SHOTS:-}" ]; then
  size=16
  generate m
  park=0
  # At 100% a 16 x 16 note is a dot (its place tells the digit; the
  # cell's tip names them); from 200% on it is a digit.
  key F4
  for cell in 17 18 33 40 41 56 70 90 120 200; do
    goto "$cell"
    for d in $((cell % 16 + 1)) $(((cell * 7) % 16 + 1)) 12; do key "$(key_of "$d")"; done
  done
  key F4
  sleep 2
  shot "$main" play-16x16.png
  size=9
fi

# A new start that answers the question about the copy left behind with
# $1 (y: restore it, n: not).
restart() {
  "$app" &
  app_pid=$!
  local question
  question=$(wait_window '^復元$')
  xdotool windowfocus --sync "$question" key "$1"
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^復元$' >/dev/null 2>&1 || break
    sleep 0.1
  done
  main=$(wait_window '^Gridora$')
  xdotool windowfocus --sync "$main"
  sleep 0.5
  cursor=0
}

# SIGTERM; the time of the game kept then goes to `elapsed`.
term_mid_game() {
  kill -TERM "$app_pid"
  local status=0
  wait_gone || status=$?
  [ "$status" -eq 143 ] || fail "exit status $status after SIGTERM"
  kept=$(grep -l '^size=9' "$XDG_DATA_HOME"/gridora/games/*.game 2>/dev/null | xargs -r ls -t | head -1)
  [ -n "$kept" ] || fail "no game kept at SIGTERM"
  elapsed=$(sed -n 's/^elapsed=//p' "$kept")
}

# A new start that restores the copy: the board as the fingerprints in
# $work/$1 had it, and at the next SIGTERM a time no shorter than before;
# $2 names the game.
comes_back() {
  restart y
  cells "$work/$1.back"
  cmp -s "$work/$1" "$work/$1.back" || fail "$2 came back otherwise (givens, notes or colours)"
  local before=$elapsed
  term_mid_game
  [ "$elapsed" -ge "$before" ] || fail "the time of $2 went back from $before to $elapsed ms"
}

# The first and the last empty cell of the puzzle $1 and its last given.
ends_of() {
  python3 - "$1" <<'PY'
import sys
p = sys.argv[1]
empty = [i for i in range(81) if p[i] == "0"]
print(empty[0], empty[-1], max(i for i in range(81) if p[i] != "0"))
PY
}

# 5. Mid-game SIGTERM: board, notes and time come back.
generate n
save_as "$work/game2.gdr"
puzzle=$(digits_of "$work/game2.gdr")
solution=$("$solver" --engine "$work/game2.gdr" | grep -E '^[1-9]( [1-9]){8}$' | tr -d ' \n')
read -r e1 e2 park < <(ends_of "$puzzle")
goto "$e1"
key F4
for d in 1 2 3; do key "$d"; done
key F4
goto "$e2"
digit "${solution:$e2:1}"
sleep 3
cells "$work/k1"
copy=$XDG_STATE_HOME/gridora/recovery.gdr
for _ in $(seq 30); do
  [ -f "$copy" ] && break
  sleep 0.1
done
[ -f "$copy" ] || fail "no recovery copy mid-game"
term_mid_game
[ "$elapsed" -ge 3000 ] || fail "kept time $elapsed ms"
comes_back k1 "the game"

# 6. A puzzle never saved, played with notes only: the copy exists for the
#    game alone, and everything comes back after SIGTERM.
restart n
generate n
for _ in $(seq 30); do
  [ -f "$copy" ] && break
  sleep 0.1
done
[ -f "$copy" ] || fail "no recovery copy of a game on a puzzle never saved"
puzzle=$(digits_of "$copy")
read -r e1 e2 park < <(ends_of "$puzzle")
cells "$work/n0"
goto "$e1"
note 4
# The note list from the keyboard: Shift+F4 opens it under the cursor's
# cell, Down and Enter choose its first item, 1.
goto "$e2"
key shift+F4
sleep 0.4
xdotool key --clearmodifiers Down Return
sleep 3
cells "$work/n1"
[ "$(cell_of "$work/n1" "$e1")" != "$(cell_of "$work/n0" "$e1")" ] || fail "the note (F4) was not drawn"
[ "$(cell_of "$work/n1" "$e2")" != "$(cell_of "$work/n0" "$e2")" ] ||
  fail "the note from the list (Shift+F4) was not drawn"
term_mid_game
[ "$elapsed" -ge 3000 ] || fail "kept time $elapsed ms of the game of notes"
comes_back n1 "the game of notes"
echo "play end to end: ok"
