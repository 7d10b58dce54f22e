#!/usr/bin/env bash
# Measures Gridora's start-up under a virtual X display: the time from
# starting the process to its main window being mapped, and the memory the
# process holds (VmRSS, and PSS from smaps_rollup) one second later, once
# the window is idle. Prints one line per run and the medians.
#   scripts/measure_startup.sh [RUNS] [PUZZLE.gdr]
#   INI=FILE scripts/measure_startup.sh ...   start with FILE as the settings file
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
puzzle=${2:-}
binary=build/src/app/gridora
[ -x "$binary" ] || BUILD_DIR=build bash scripts/setup.sh >&2
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb xdotool)" >&2; exit 1; }
done

work=$(mktemp -d)
app_pid=""
xvfb_pid=""
trap 'kill $app_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb picks a free display number itself and writes it to the pipe.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
read -r -t 10 number <&3
export DISPLAY=":$number"
# A settings file as a first run and a quit leave it, so no greeting waits.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/gridora"
ini=${INI:-tests/data/settings/fresh_after_quit.ini}

times=()
rss=()
pss=()
for run in $(seq "$runs"); do
  cp "$ini" "$XDG_CONFIG_HOME/gridora/Gridora.ini"
  start=$(date +%s%N)
  $binary ${puzzle:+"$puzzle"} >"$work/app.log" 2>&1 &
  app_pid=$!
  until xdotool search --onlyvisible --name '^Gridora$' >/dev/null 2>&1; do
    if ! kill -0 "$app_pid" 2>/dev/null; then
      echo "run $run: the program ended before its window showed:" >&2
      cat "$work/app.log" >&2
      exit 1
    fi
    sleep 0.005
  done
  shown=$(date +%s%N)
  sleep 1
  kb=$(awk '/^VmRSS/ {print $2}' "/proc/$app_pid/status")
  pkb=$(awk '/^Pss:/ {print $2}' "/proc/$app_pid/smaps_rollup")
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
  app_pid=""
  ms=$(( (shown - start) / 1000000 ))
  echo "run $run: window shown after ${ms} ms, VmRSS ${kb} KiB, PSS ${pkb} KiB"
  times+=("$ms"); rss+=("$kb"); pss+=("$pkb")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "median: window shown after $(median "${times[@]}") ms, VmRSS $(median "${rss[@]}") KiB, PSS $(median "${pss[@]}") KiB"
