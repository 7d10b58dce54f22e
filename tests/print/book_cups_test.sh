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
for tool in cupsd lpadmin lpstat pdfinfo pdftoppm Xvfb xdotool; do
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
# ツール(&T), then 問題集を作る...(&K): K is also the mnemonic of 候補を表示(&K),
# so the key moves between the two and Return runs the one it stands on
# (turning the candidates on instead does not matter here).
book=""
for presses in "k" "k k" "k k k"; do
  xdotool windowfocus --sync "$main"
  xdotool key alt+t
  sleep 1
  # shellcheck disable=SC2086
  xdotool key $presses Return
  book=$(window_named '^問題集を作る$' 10) && break
done
[ -n "$book" ] || fail "the book dialog did not appear"
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
# cups-pdf passes the job through Ghostscript, whose PDF keeps no text
# layer: the pages are read as pictures. Pages 1 and 2 hold four grids,
# one a quarter of the page (8 puzzles at 4 a page); page 3, the solutions,
# has all its ink in the upper half (8 small grids of 20 places).
pdftoppm -r 30 -gray "$pdf" "$work/page" 2>/dev/null
rm -f "$pdf"
python3 - "$work" <<'PY' || fail "the printed pages do not show 4 + 4 puzzles and their solutions"
import glob, sys
def ink(path):
    data = open(path, "rb").read()
    fields = data.split(None, 4)
    w, h, pixels = int(fields[1]), int(fields[2]), fields[4]
    def dark(x0, y0, x1, y1):
        return sum(pixels[y * w + x] < 128 for y in range(int(y0 * h), int(y1 * h))
                   for x in range(int(x0 * w), int(x1 * w)))
    return dark
pages = sorted(glob.glob(sys.argv[1] + "/page-*.pgm"))
assert len(pages) == 3, pages
for path in pages[:2]:
    dark = ink(path)
    for x0, y0 in ((0, .1), (.5, .1), (0, .5), (.5, .5)):
        assert dark(x0, y0, x0 + .5, y0 + .4) > 200, (path, x0, y0)
dark = ink(pages[2])
assert dark(0, .1, 1, .5) > 500 and dark(0, .6, 1, .9) < 50
PY
kill -0 "$app_pid" || fail "the program ended"
echo "the book was printed through CUPS"
