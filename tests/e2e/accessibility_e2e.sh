#!/usr/bin/env bash
# Gridora through the desktop's accessibility bus: a virtual X display, a
# private D-Bus session with at-spi2-core's bus launcher, accessibility
# switched on as a desktop switches it for a screen reader, and the window
# read with pyatspi (accessibility_bus_check.py).
#   accessibility_e2e.sh GRIDORA_EXECUTABLE PUZZLE.gdr
set -euo pipefail
app=$1
puzzle=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh installs it)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi" >&2; exit 1; }

# The rest runs inside a D-Bus session of its own.
if [ -z "${GRIDORA_A11Y_SESSION:-}" ]; then
  export GRIDORA_A11Y_SESSION=1
  exec dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
pids+=($!)
read -r -t 20 number <&3
export DISPLAY=":$number"
unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetNameOwner string:org.a11y.Bus >/dev/null 2>&1 && break
  sleep 0.1
done
# What a desktop does when the user turns a screen reader on.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
  variant:boolean:true >/dev/null

cp "$puzzle" "$work/puzzle.gdr"
"$app" "$work/puzzle.gdr" &
pids+=($!)
# Prints the id of the first visible window whose name matches, waiting
# up to thirty seconds.
wait_window() {
  for _ in $(seq 300); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named $1" >&2
  return 1
}
# A first run: the greeting box comes first, closed with Enter.
about=$(wait_window 'のバージョン情報$')
xdotool windowfocus --sync "$about" key Return
main=$(wait_window '^Gridora$')
xdotool windowfocus --sync "$main"
sleep 0.5
keys() {
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep 0.3
  done
}
# Keypad mode from the keyboard: その他 > 文字の入力方法 > テンキー.
keys alt+o i Down Return
# Solve (the outcome goes to the status bar), then erase cell 2 (the cursor
# stands at 0).
keys F2
sleep 2
keys Right Right space
/usr/bin/python3 "$here/accessibility_bus_check.py"
