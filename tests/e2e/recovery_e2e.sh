#!/usr/bin/env bash
# The recovery copy from end to end on a virtual X display: open a puzzle
# file, change a cell with the mouse, end the program with SIGTERM; the
# settings are saved and the copy is kept. The next start asks "復元";
# Yes brings back the changed puzzle with its file name (the window shows
# exactly what it showed before the kill), still marked changed: the quit
# asks to save. Answering No ends the program and no copy is left.
#   recovery_e2e.sh GRIDORA_EXECUTABLE PUZZLE_FILE SETTINGS_FILE
set -euo pipefail
app=$1
puzzle=$2
settings=$3
here=$(cd "$(dirname "$0")" && pwd)
name="recovery end to end"
# shellcheck source=x_session.sh
source "$here/x_session.sh"
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state HOME=$work
ini=$XDG_CONFIG_HOME/gridora/Gridora.ini
copy=$XDG_STATE_HOME/gridora/recovery.gdr
cp "$puzzle" "$work/mine.gdr"
# Not a first run: no greeting box in the way.
mkdir -p "$XDG_CONFIG_HOME/gridora"
cp "$settings" "$ini"

start() {
  "$app" "$@" &
  app_pid=$!
}

# The board and the information panel (not the status bar) as a PNG, with
# the pointer out of the way.
board_picture() {
  xdotool mousemove 0 0
  sleep 0.5
  xwd -id "$1" -silent | python3 "$here/../../scripts/xwd_to_png.py" "$2" 0 50 333 240
}

# 1. Open the file, change a cell until the copy appears.
start "$work/mine.gdr"
main=$(wait_window '^Gridora$')
xdotool windowfocus --sync "$main"
sleep 0.5
board_picture "$main" "$work/opened.png"
for _ in 1 2 3 4 5; do
  xdotool mousemove --sync --window "$main" 100 150 click 1
  sleep 1
  [ -f "$copy" ] && break
done
[ -f "$copy" ] || fail "no recovery copy after a change"
[ "$(cat "$XDG_STATE_HOME/gridora/recovery.path")" = "$work/mine.gdr" ] ||
  fail "the copy names $(cat "$XDG_STATE_HOME/gridora/recovery.path")"
sleep 0.5
board_picture "$main" "$work/changed.png"
cmp -s "$work/opened.png" "$work/changed.png" && fail "the click changed nothing on the board"
changed_copy=$(md5sum <"$copy")
# The settings file changes only when the signal saves the settings.
sed -i 's/^KateiMax9=.*/KateiMax9=7\r/' "$ini"

# 2. SIGTERM: ended by the signal, settings saved, copy kept.
kill -TERM "$app_pid"
status=0
wait_gone || status=$?
[ "$status" -eq 143 ] || fail "exit status $status after SIGTERM"
tr -d '\r' <"$ini" | grep -qx 'KateiMax9= 9' || fail "the settings were not saved at SIGTERM"
[ -f "$copy" ] || fail "SIGTERM deleted the copy"
cmp -s "$work/mine.gdr" "$puzzle" || fail "the puzzle file itself was changed"

# 3. Start again: the question, Yes, the changed puzzle is back.
start
question=$(wait_window '^復元$')
xdotool windowfocus --sync "$question" key y
# The main window takes the focus only once the question has gone.
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^復元$' >/dev/null 2>&1 || break
  sleep 0.1
done
sleep 0.3
main=$(wait_window '^Gridora$')
xdotool windowfocus --sync "$main"
sleep 0.5
board_picture "$main" "$work/restored.png"
cmp -s "$work/changed.png" "$work/restored.png" ||
  fail "the restored window differs from the one before the kill"
[ "$(md5sum <"$copy")" = "$changed_copy" ] || fail "the copy changed on restoring"

# 4. Quit: the puzzle is still changed, so the save question comes; No
# ends the program cleanly and the copy goes.
# The menu may miss keys while the window is still settling: try again.
ask=""
for _ in 1 2 3 4 5; do
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers alt+f
  sleep 0.3
  xdotool key e
  for _ in $(seq 20); do
    ask=$(xdotool search --onlyvisible --name '^セーブ確認$' 2>/dev/null | head -1 || true)
    [ -n "$ask" ] && break 2
    sleep 0.1
  done
done
[ -n "$ask" ] || fail "the quit did not ask to save the restored puzzle"
xdotool windowfocus --sync "$ask" key n
wait_gone || fail "the quit ended with a failure"
[ -e "$copy" ] && fail "a clean quit left the recovery copy"
[ -e "$XDG_STATE_HOME/gridora/recovery.path" ] && fail "a clean quit left the copy's file name"

# 5. A start without a copy asks nothing and keeps none.
start
main=$(wait_window '^Gridora$')
sleep 1
xdotool search --onlyvisible --name '^復元$' >/dev/null 2>&1 && fail "asked without a copy"
kill -TERM "$app_pid"
wait_gone || true
[ -e "$copy" ] && fail "an unchanged puzzle left a copy"
echo "recovery end to end: ok"
