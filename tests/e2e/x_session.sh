# Sourced by the end-to-end scripts that drive Gridora's window: a virtual
# X display of their own, a work folder removed at the end (the program
# killed if it still runs), waiting for windows and for the program's end,
# starting it, keys for the board in keypad mode and the fingerprints of
# its cells. Set `name` (the start of every failure message) and `here`
# (this folder) before sourcing:
#   name="play end to end"; source "$here/x_session.sh"
for tool in Xvfb xdotool xwd; do
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
  echo "$name: $*" >&2
  exit 1
}

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
read -r -t 20 number <&3
export DISPLAY=":$number"
unset QT_QPA_PLATFORM
# A sanitizer build checks for leaks at the end: not in the system's libraries.
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# Prints the id of the visible window whose name matches $1, waiting for it.
wait_window() {
  for _ in $(seq 600); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window named $1"
}

# Waits for the program to end; returns its exit status.
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

# Starts the program ($app) with the arguments given and waits for its
# window ($main); a new start has the keypad cursor on cell 0.
start() {
  "$app" "$@" &
  app_pid=$!
  main=$(wait_window '^Gridora$')
  xdotool windowfocus --sync "$main"
  sleep 0.5
  cursor=0
}

# Keys for the main window ($main). The keypad cursor is followed in
# `cursor`, on a board of side $size.
key() {
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers --delay 30 "$@"
  sleep 0.15
}

# The keypad cursor to cell $1: Right presses, which wrap.
goto() {
  local cells=$((size * size))
  local steps=$((($1 - cursor + cells) % cells))
  if [ "$steps" -gt 0 ]; then
    xdotool windowfocus --sync "$main"
    xdotool key --clearmodifiers --delay 10 --repeat "$steps" Right
    sleep 0.15
  fi
  cursor=$1
}

# A digit typed where the cursor stands; the cursor moves on.
digit() {
  key "$1"
  cursor=$(((cursor + 1) % (size * size)))
}

# Opens ツール and chooses the item with access key $1.
tools_item() {
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers alt+t
  sleep 0.4
  xdotool key --clearmodifiers "$1"
  sleep 0.3
}

# The fingerprints of the board's cells (one a line, the board last) into
# file $1, the cursor parked on cell $park so that it stands in the same
# place every time.
cells() {
  goto "$park"
  xdotool mousemove 0 0
  sleep 0.4
  xwd -id "$main" -silent | python3 "$here/board_cells.py" "$size" >"$1"
}
