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

# shellcheck source=private_cups.sh
source "$here/private_cups.sh"
start_private_cups || fail "cannot start cupsd with a cups-pdf queue"
start_display

"$gridora" >"$work/app.log" 2>&1 &
app_pid=$!
main=$(window_named '^Gridora$') || fail "the main window did not appear"
xdotool windowfocus --sync "$main"
sleep 0.5
# ツール(&T), then 問題集を作る...(&K), the one item of the menu with K.
book=""
for _ in 1 2 3; do
  xdotool windowfocus --sync "$main"
  xdotool key alt+t
  sleep 1
  xdotool key k
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

pdf=$(wait_pdf) || fail "no PDF appeared in $out"
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
