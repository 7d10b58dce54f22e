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
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

# shellcheck source=private_cups.sh
source "$here/private_cups.sh"
start_private_cups || fail "cannot start cupsd with a cups-pdf queue"
[ "$(lpstat -d)" = "system default destination: GridoraPDF" ] || fail "no default queue"
start_display
python3 "$root/scripts/make_sample_puzzles.py" "$work" >/dev/null

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

# --- 1. A cups-pdf queue as the default printer -------------------------------------
start_and_print
pdf=$(wait_pdf) || fail "no PDF appeared in $out"
echo "printed: $pdf"
pages=$(pdfinfo "$pdf" 2>&1 | awk '/^Pages:/ {print $2}' || true)
[ "$pages" = 1 ] || fail "the PDF has $pages pages, not 1"
eval "$(xdotool getwindowgeometry --shell "$main")"
xwd -root -silent >"$work/screen.xwd"
pdftoppm -r 40 -singlefile "$pdf" "$work/page"
python3 "$here/check_printed_page.py" "$work/page.ppm" "$work/screen.xwd" \
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
