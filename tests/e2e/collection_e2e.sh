#!/usr/bin/env bash
# A collection from end to end on a virtual X display: "他の形式を開く" opens
# a file of one puzzle a line through the file dialog, Ctrl+PageDown moves to
# the next puzzle, the board is solved, the program quits; the next start
# comes back to the collection at the first unsolved puzzle and the solved
# one is still recorded.
#   collection_e2e.sh GRIDORA_EXECUTABLE COLLECTION SETTINGS_FILE
set -euo pipefail
app=$1
collection=$2
settings=$3
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "collection end to end: $*" >&2
  exit 1
}

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
read -r -t 20 number <&3
export DISPLAY=":$number"
unset QT_QPA_PLATFORM
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state HOME=$work
mkdir -p "$XDG_CONFIG_HOME/gridora"
cp "$settings" "$XDG_CONFIG_HOME/gridora/Gridora.ini"
cp "$collection" "$work/top.txt"
records=$XDG_STATE_HOME/gridora/collections

wait_window() {
  for _ in $(seq 150); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window named $1"
}
wait_gone() {
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
  local status=0
  wait "$app_pid" || status=$?
  app_pid=""
  return "$status"
}
# Waits until the records file holds a line matching $1.
wait_record() {
  for _ in $(seq 100); do
    grep -qx "$1" "$records"/*.txt 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the records never held \"$1\": $(cat "$records"/*.txt 2>/dev/null)"
}
# Presses the keys $2... in the menu opened with alt+$1, again until a window
# named $3 shows (the menu may miss keys while the window is still settling).
menu_until() {
  local key=$1 item=$2 name=$3 found=""
  for _ in 1 2 3 4 5; do
    xdotool windowfocus --sync "$main"
    xdotool key --clearmodifiers "alt+$key"
    sleep 0.3
    xdotool key "$item"
    for _ in $(seq 20); do
      found=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -1 || true)
      [ -n "$found" ] && { echo "$found"; return 0; }
      sleep 0.1
    done
  done
  fail "no window named $name after alt+$key $item"
}

# 1. Open the collection through "ツール" → "他の形式を開く".
"$app" &
app_pid=$!
main=$(wait_window '^Gridora$')
sleep 0.5
dialog=$(menu_until t i '開く|Open')
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool type --delay 2 "$work/top.txt"
xdotool key Return
wait_record "position 0"
[ "$(cat "$records/last.txt")" = "$work/top.txt" ] || fail "the collection played last is not kept"

# 2. The next puzzle, solved by "完全に解く" (a hard one the Solve command
# gives up on), recorded as solved with help.
xdotool windowfocus --sync "$main"
xdotool key ctrl+Next
wait_record "position 1"
for _ in 1 2 3 4 5; do
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers alt+t
  sleep 0.3
  xdotool key s
  for _ in $(seq 30); do
    grep -qx "solved 1 [0-9]* 1" "$records"/*.txt && break 2
    sleep 0.1
  done
done
wait_record "solved 1 [0-9]* 1"

# 3. Quit ("終了"); a question about saving the board is answered No.
for _ in 1 2 3 4 5; do
  xdotool windowfocus --sync "$main" 2>/dev/null || break
  xdotool key --clearmodifiers alt+f
  sleep 0.3
  xdotool key e
  for _ in $(seq 20); do
    kill -0 "$app_pid" 2>/dev/null || break 2
    ask=$(xdotool search --onlyvisible --name '^セーブ確認$' 2>/dev/null | head -1 || true)
    if [ -n "$ask" ]; then
      xdotool windowfocus --sync "$ask" key n
      break 2
    fi
    sleep 0.1
  done
done
wait_gone || fail "the quit ended with a failure"

# 4. Start again: the collection is back, at the first unsolved puzzle after
# the one played, and the solved one is still recorded.
"$app" &
app_pid=$!
main=$(wait_window '^Gridora$')
wait_record "position 2"
grep -qx "solved 1 [0-9]* 1" "$records"/*.txt || fail "the solved puzzle was forgotten"
kill -TERM "$app_pid"
wait_gone || true
echo "collection end to end: ok"
