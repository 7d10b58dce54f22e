#!/usr/bin/env bash
# A puzzle book printed through a real CUPS queue, end to end: Gridora
# under a virtual X display, ツール > 問題集を作る with 8 puzzles at 4 a page
# and seed 7, "印刷...", and OK in Qt's print dialog with a cups-pdf queue as
# the default printer. The PDF that cups-pdf writes must have two pages of
# puzzles and one of solutions, with the title, the seed, the eight numbered
# puzzles and the page numbers. Needs root (cupsd and the cups-pdf backend);
# otherwise exits 77 (skipped).
#   book_cups_test.sh GRIDORA_BINARY
set -euo pipefail
gridora=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: needs root to run cupsd and the cups-pdf backend"
  exit 77
fi
for tool in cupsd lpadmin lpstat pdfinfo pdftotext Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh --deps)"; exit 1; }
done

work=$(mktemp -d /tmp/gridora-bookprint-XXXXXX)
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

# shellcheck source=private_cups.sh
source "$here/private_cups.sh"
start_private_cups || fail "cannot start cupsd with a cups-pdf queue"

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
read -r -t 10 number <&3
export DISPLAY=":$number"
unset QT_QPA_PLATFORM
export HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/gridora" "$HOME"
cp "$here/../data/settings/fresh_after_quit.ini" "$XDG_CONFIG_HOME/gridora/Gridora.ini"

window_named() {  # waits up to $2 seconds (60) for a visible window whose name matches $1
  local id=""
  for _ in $(seq $((${2:-60} * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

"$gridora" >"$work/app.log" 2>&1 &
app_pid=$!
main=$(window_named '^Gridora$') || fail "the main window did not appear"
xdotool windowfocus --sync "$main"
sleep 0.5
# ツール(&T), then the second item with the mnemonic K: 問題集を作る...(&K)
# (the first is 候補を表示(&K)).
xdotool key alt+t
sleep 0.5
xdotool key k k Return
book=$(window_named '^問題集を作る$' 20) || fail "the book dialog did not appear"
xdotool windowfocus --sync "$book"
# Fields in tab order: size, grade, count, puzzles a page, symmetric, title, seed.
xdotool key Tab Tab ctrl+a
xdotool type 8
xdotool key Tab Tab Tab Tab
xdotool type 7
xdotool key alt+p
dialog=$(window_named '^(Print|印刷)$' 120) || fail "the print dialog did not appear"
xdotool windowfocus --sync "$dialog" key Return

pdf=""
for _ in $(seq 600); do
  pdf=$(new_pdfs | head -1)
  [ -n "$pdf" ] && [ -z "$(lpstat -o GridoraPDF 2>/dev/null)" ] && break
  sleep 0.1
done
[ -n "$pdf" ] || fail "no PDF appeared in $out"
for _ in $(seq 100); do pdfinfo "$pdf" >/dev/null 2>&1 && break; sleep 0.2; done
echo "printed: $pdf"
pages=$(pdfinfo "$pdf" 2>&1 | awk '/^Pages:/ {print $2}' || true)
[ "$pages" = 3 ] || fail "the PDF has $pages pages, not 2 of puzzles and 1 of solutions"
text=$(pdftotext "$pdf" -)
rm -f "$pdf"
grep -q '9×9・標準・8問・点対称・シード 7' <<<"$text" || fail "no seed line: $text"
for n in 1 2 3 4 5 6 7 8; do
  grep -q "問題 $n（" <<<"$text" || fail "no puzzle $n"
done
[ "$(grep -c '^問題集$' <<<"$text")" = 2 ] || fail "the title is not on both puzzle pages"
grep -q '問題集　解答' <<<"$text" || fail "no page of solutions"
for k in 1 2 3; do grep -q "^$k / 3$" <<<"$text" || fail "no page number $k / 3"; done
kill -0 "$app_pid" || fail "the program ended"
echo "the book was printed through CUPS"
