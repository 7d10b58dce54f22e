#!/usr/bin/env bash
# Puzzle books from gridora-solve --book, read back as a user sees them
# (pdftotext, pdftoppm; see check_book_pdf.py), with no display and no Qt
# platform set: A4 and Letter, 1, 4 and 6 puzzles a page on 9 x 9, 2 on
# 16 x 16. The puzzles must be those --generate prints for the same seed.
#   book_pdf_test.sh GRIDORA_SOLVE BOOK_LAYOUT_PROBE
set -euo pipefail
solve=$1
probe=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/gridora-book-XXXXXX)
trap 'rm -rf "$work"' EXIT

check() {  # paper size per_page count grade title
  local paper=$1 size=$2 per=$3 count=$4 grade=$5 title=$6 name="$1-$2-$3"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$solve" --book "$work/$name.pdf" \
    --size "$size" --grade "$grade" --count "$count" --per-page "$per" --seed 41 \
    --title "$title" --page "$paper" -j 2 2>"$work/$name.err"
  [ ! -s "$work/$name.err" ] || { cat "$work/$name.err"; exit 1; }
  "$solve" --generate "$count" --size "$size" --grade "$grade" --seed 41 -j 2 >"$work/$name.txt"
  "$probe" "$paper" "$size" "$per" >"$work/$name.json"
  python3 "$here/check_book_pdf.py" "$work/$name.pdf" "$work/$name.json" "$work/$name.txt" \
    "$title" "$size" "$per"
}

check A4 9 1 2 easy "練習問題"
check A4 9 4 9 standard "ナンプレ問題集"
check A4 9 6 7 hard "Book"
check Letter 9 1 2 easy "練習問題"
check Letter 9 4 5 standard "ナンプレ問題集"
check Letter 9 6 13 standard "Book"
check A4 16 2 3 easy "十六"

# Bad requests are refused before anything is written.
if "$solve" --book "$work/bad.pdf" --size 16 --count 2 --per-page 4 2>"$work/bad.err"; then
  echo "4 a page on 16 x 16 was accepted"; exit 1
fi
grep -q "16×16 の問題は1ページに 1 か 2 問です" "$work/bad.err"
if "$solve" --book "$work/bad.pdf" --count 501 2>/dev/null; then
  echo "501 puzzles were accepted"; exit 1
fi
[ ! -e "$work/bad.pdf" ]
echo "all book PDF checks passed"
