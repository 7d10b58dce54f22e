#!/usr/bin/env bash
# Printing through a real CUPS queue, end to end.
#
# A private CUPS scheduler runs in a temporary configuration on a socket of
# its own (CUPS_SERVER points the clients there), so the machine's own
# queues are neither used nor changed. Gridora runs under a virtual X
# display with a 16 x 16 puzzle, solves it (F2) and prints through the menu
# (Ctrl+P, OK):
#   1. with a cups-pdf queue as the default printer: a one-page PDF appears
#      whose rendering shows the window as on screen, green digits included;
#   2. with no printer at all: the box "印刷失敗" appears, no PDF is made,
#      and the program keeps running.
# Needs root (cupsd and the cups-pdf backend), as CI has; otherwise exits
# 77 (skipped).
#   print_cups_test.sh GRIDORA_BINARY
set -euo pipefail
gridora=$(realpath "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: needs root to run cupsd and the cups-pdf backend"
  exit 77
fi
for tool in cupsd lpadmin lpstat pdftoppm pdfinfo Xvfb xdotool xwd; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh --deps)"; exit 1; }
done

work=$(mktemp -d /tmp/gridora-print-XXXXXX)
chmod 755 "$work"  # the filters run as lp and read the spool
cupsd_pid=""
xvfb_pid=""
app_pid=""
cleanup() {
  for pid in $app_pid $cupsd_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  for log in "$work"/cups/log/error_log "$work"/app.log; do
    [ -s "$log" ] && { echo "--- $log"; tail -20 "$log"; }
  done
  exit 1
}

# --- The scheduler ------------------------------------------------------------
mkdir -p "$work"/cups/{conf/ppd,conf/ssl,spool,cache,state,tmp,log}
chmod 1777 "$work/cups/tmp"  # the filters write their temporary files here
cat >"$work/cups/conf/cupsd.conf" <<CONF
Listen $work/cups/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
DefaultPolicy open
<Policy open>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$work/cups/conf/cups-files.conf" <<CONF
ServerRoot $work/cups/conf
RequestRoot $work/cups/spool
CacheDir $work/cups/cache
StateDir $work/cups/state
TempDir $work/cups/tmp
ErrorLog $work/cups/log/error_log
AccessLog $work/cups/log/access_log
PageLog $work/cups/log/page_log
User lp
Group lp
SystemGroup root
CONF
cupsd -f -c "$work/cups/conf/cupsd.conf" -s "$work/cups/conf/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER=$work/cups/cups.sock
for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -r >/dev/null 2>&1 || fail "cupsd did not start"

# cups-pdf writes into the Out folder of /etc/cups/cups-pdf.conf, by default
# ~/PDF of the user who printed; look there for files newer than this mark.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=$(awk '$1 == "Out" {print $2}' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$home}
touch "$work/mark"

# --- The program under a virtual display -----------------------------------------
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
read -r -t 10 number <&3
export DISPLAY=":$number"
export HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/gridora" "$HOME"
cp "$root/tests/data/settings/fresh_after_quit.ini" "$XDG_CONFIG_HOME/gridora/Gridora.ini"
python3 "$root/scripts/make_sample_puzzles.py" "$work" >/dev/null

window_named() {  # waits up to $2 seconds (60) for a visible window whose name matches $1
  local id=""
  for _ in $(seq $((${2:-60} * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Starts Gridora with the 16 x 16 sample, solves it and asks to print.
start_and_print() {
  "$gridora" "$work/sample16.gdr" >"$work/app.log" 2>&1 &
  app_pid=$!
  main=$(window_named '^Gridora$') || fail "the main window did not appear"
  xdotool windowfocus --sync "$main"
  sleep 0.5
  xdotool key F2
  # The window takes no keys while it solves: ask again until the question comes.
  confirm=""
  for _ in $(seq 30); do
    xdotool windowfocus --sync "$main" key ctrl+p 2>/dev/null || true
    confirm=$(window_named '^確認$' 3) && break
  done
  [ -n "$confirm" ] || fail "the confirmation did not appear"
  xdotool windowfocus --sync "$confirm" key Return
}

new_pdfs() { find "$out" -maxdepth 1 -name '*.pdf' -newer "$work/mark" 2>/dev/null || true; }

# --- 1. A cups-pdf queue as the default printer -------------------------------------
lpadmin -p GridoraPDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E ||
  fail "cannot add the cups-pdf queue"
lpadmin -d GridoraPDF
[ "$(lpstat -d)" = "system default destination: GridoraPDF" ] || fail "no default queue"

start_and_print
pdf=""
for _ in $(seq 600); do
  pdf=$(new_pdfs | head -1)
  [ -n "$pdf" ] && [ -z "$(lpstat -o GridoraPDF 2>/dev/null)" ] && break
  sleep 0.1
done
[ -n "$pdf" ] || fail "no PDF appeared in $out"
echo "printed: $pdf"
# cups-pdf may still be writing the file when the job has left the queue.
for _ in $(seq 100); do pdfinfo "$pdf" >/dev/null 2>&1 && break; sleep 0.2; done
pages=$(pdfinfo "$pdf" 2>&1 | awk '/^Pages:/ {print $2}' || true)
[ "$pages" = 1 ] || fail "the PDF has $pages pages, not 1"
eval "$(xdotool getwindowgeometry --shell "$main")"
xwd -root -silent >"$work/screen.xwd"
pdftoppm -r 40 -singlefile "$pdf" "$work/page"
python3 "$(dirname "$0")/check_printed_page.py" "$work/page.ppm" "$work/screen.xwd" \
  "$X" "$Y" "$WIDTH" "$HEIGHT" || fail "the printed page does not show the window"
rm -f "$pdf"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true

# --- 2. No printer at all -------------------------------------------------------
lpadmin -x GridoraPDF
touch "$work/mark"
start_and_print
failed=$(window_named '^印刷失敗$') || fail "no failure message without a printer"
xdotool windowfocus --sync "$failed" key Return
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "the program ended after the failed print"
xdotool search --onlyvisible --name '^Gridora$' >/dev/null || fail "the main window is gone"
[ -z "$(new_pdfs)" ] || fail "a PDF appeared without a printer"
echo "all print checks passed"
