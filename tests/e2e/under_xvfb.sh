#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (Xvfb, the xcb platform
# of Qt), for window tests whose fault shows only with a real X server.
#   under_xvfb.sh COMMAND [ARGUMENT ...]
set -euo pipefail
command -v Xvfb >/dev/null || { echo "missing Xvfb (scripts/setup.sh installs it)" >&2; exit 1; }
exec 3< <(Xvfb -displayfd 1 -screen 0 1600x1200x24 -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
read -r -t 20 number <&3
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
"$@"
