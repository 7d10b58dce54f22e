#!/usr/bin/env bash
# The settings dialog from end to end, on a virtual X display with real key
# presses: open it from the menu, set the 9 x 9 hypothesis limit to 5 and
# the beep off, Ok, quit, and find both in the settings file. A second start
# opens the dialog again and presses Ok after an edit elsewhere: the file
# still holds both values, so the dialog opened showing them.
#   settings_dialog_e2e.sh GRIDORA_EXECUTABLE
set -euo pipefail
app=$1
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
read -r -t 20 number <&3
export DISPLAY=":$number"
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work
ini=$XDG_CONFIG_HOME/gridora/Gridora.ini

# Prints the id of the first visible window whose name matches, waiting
# up to ten seconds.
wait_window() {
  for _ in $(seq 100); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named $1" >&2
  return 1
}

keys() {
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep 0.3
  done
}

start() {
  "$app" &
  app_pid=$!
  main=$(wait_window '^Gridora$')
  xdotool windowfocus --sync "$main"
  sleep 0.5
}

open_settings() {
  keys alt+o c
  dialog=$(wait_window '^Option$')
  xdotool windowfocus --sync "$dialog"
  sleep 0.3
}

quit() {
  xdotool windowfocus --sync "$main"
  keys alt+f e
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$app_pid" 2>/dev/null; then
    echo "the program did not quit" >&2
    exit 1
  fi
  wait "$app_pid" || true
  app_pid=""
}

# First run: the greeting, then a quit writes the defaults.
"$app" &
app_pid=$!
about=$(wait_window 'のバージョン情報$')
xdotool windowfocus --sync "$about" key Return
main=$(wait_window '^Gridora$')
quit
grep -q '^KateiMax9= 9' "$ini"
grep -q '^Beep=True' "$ini"

# The focus starts on the tab strip: Right shows the hypothesis page, Tab
# enters the 9 x 9 limit box (all selected), 5 replaces it. Back on the
# strip, Left shows the input page, Tab reaches the beep buttons, Right picks
# "鳴らさない"; Tab, Tab reach Ok and Space presses it (the dialog has no
# default button: Return there presses nothing, and the dialog stays open).
start
open_settings
keys Right Tab 5 shift+Tab Left Tab Right Tab Tab Return
xdotool search --onlyvisible --name '^Option$' >/dev/null || { echo "Return closed the dialog" >&2; exit 1; }
keys space
quit
tr -d '\r' <"$ini" | grep -qx 'KateiMax9= 5' || { echo "KateiMax9 not stored:" >&2; cat "$ini" >&2; exit 1; }
tr -d '\r' <"$ini" | grep -qx 'Beep=False' || { echo "Beep not stored:" >&2; cat "$ini" >&2; exit 1; }

# Second start: a slider step and back enables Ok; Ok stores what the
# dialog showed.
start
open_settings
keys Tab Tab Right Left Tab space
quit
tr -d '\r' <"$ini" | grep -qx 'KateiMax9= 5'
tr -d '\r' <"$ini" | grep -qx 'Beep=False'
tr -d '\r' <"$ini" | grep -qx 'NChangeSpeed= 2'
echo "settings dialog end to end: ok"
