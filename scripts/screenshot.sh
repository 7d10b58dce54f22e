#!/usr/bin/env bash
# Starts Gridora under a virtual X display and saves these screenshots:
#   OUT/solved-9x9.png   a 9 x 9 sample puzzle after F2 (solver digits in green)
#   OUT/puzzle-16x16.png a 16 x 16 sample puzzle
#   OUT/aids-9x9.png, OUT/aids-16x16.png  the samples in play with the tools
#                        on: candidates, the cursor's digit highlighted and a
#                        repeated digit in red
#   OUT/hint-9x9.png, OUT/hint-16x16.png  the samples after F3 (a hint)
#   OUT/html-dialog.png  the HTML export dialog
#   OUT/settings-dialog.png, swap-9x9.png, swap-16x16.png, property-dialog.png
#                        the editing dialogs
#   OUT/html-table-chromium.png, html-game-clash.png, html-game-complete.png,
#     html-game-characters.png (a puzzle with its own characters)
#                        the exported table and the game page in headless Chromium
#   OUT/generated-9x9.png a 9 x 9 puzzle made by ツール > 問題を作る-9 (標準, symmetric)
#   OUT/fullsolve-9x9.png an expert puzzle that F2 gives up on (top1465's
#                        first), solved by ツール > 完全に解く
#   OUT/scale2-16x16.png the 16 x 16 sample at the display scale 2 (QT_SCALE_FACTOR=2)
#   OUT/scale2-launcher-16x16.png  the same with the launcher open, the
#                        board just stored into memory 1 in its miniature
#   OUT/zoom200-solved-9x9.png  the solved 9 x 9 sample at the zoom 200%
#   OUT/zoom200-aids-16x16.png  the 16 x 16 sample in play at the zoom 200%
#                        with the tools on (candidates as small digits)
#   OUT/play-9x9.png, OUT/play-16x16.png  games of play mode in progress, with
#                        the player's digits, notes and the clock
#   OUT/contrast-play-9x9.png  the 9 x 9 game in the high-contrast look
#   OUT/records-dialog.png  the records of play mode ("成績")
#   OUT/book-preview-9x9.png  the print preview of a puzzle book of 8 puzzles,
#                        4 a page (ツール > 問題集を作る, プレビュー)
#   OUT/book-16x16-page.png  the first page of a 16 x 16 book PDF written by
#                        gridora-solve --book, rendered by pdftoppm
#   OUT/contrast-9x9.png, OUT/contrast-zoom200-9x9.png  the high-contrast
#                        look at 100% and 200%: the 9 x 9 sample solved, one
#                        digit erased, candidates and the keypad cursor shown
#   OUT/hint-chain-9x9.png  a hint of the logic engine past the basic
#                        techniques (an X-chain) drawn on the board: its
#                        pattern, the candidate it removes and the links
#   OUT/solving-path.png the solving path window (ツール > 解き方を表示)
# The virtual screen is 1920 x 1080.
# OUT defaults to docs/screenshots. Installs Xvfb, xdotool and xwd when they
# are missing (as root), builds the program first (scripts/setup.sh).
#   scripts/screenshot.sh [OUT]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
mkdir -p "$out"

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v xwd >/dev/null || need+=(x11-apps)
if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing: ${need[*]}; run as root: apt-get install -y ${need[*]}" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

BUILD_DIR=build bash scripts/setup.sh >&2

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

python3 scripts/make_sample_puzzles.py "$work"
# Xvfb picks a free display number itself and writes it to the pipe.
exec 3< <(Xvfb -displayfd 1 -screen 0 1920x1080x24 -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
read -r -t 10 number <&3
export DISPLAY=":$number"

# A settings folder of its own, so the user's settings stay untouched; the
# first run's greeting box is answered with Enter. A state folder of its own
# too: a recovery copy the user's last session left would be offered.
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state

# Waits for the main window and prints its id, answering the greeting.
main_window() {
  local id=""
  for _ in $(seq 100); do
    local about
    about=$(xdotool search --name 'のバージョン情報$' 2>/dev/null | head -1 || true)
    if [ -n "$about" ]; then
      xdotool windowfocus --sync "$about" key Return || true
    fi
    id=$(xdotool search --onlyvisible --name '^Gridora$' 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "the main window did not appear" >&2
  return 1
}

# Saves the window `id` as a PNG, cropped to the window.
shoot() {
  local id=$1 file=$2
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xwd -root -silent | python3 scripts/xwd_to_png.py "$file" "$X" "$Y" "$WIDTH" "$HEIGHT"
  echo "saved $file (${WIDTH}x${HEIGHT})"
}

# The window's own picture: a window the X server keeps off screen (one with
# a visual of its own, like the properties dialog's) is black on the root.
shoot_window() {
  local id=$1 file=$2
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xwd -id "$id" -silent | python3 scripts/xwd_to_png.py "$file" 0 0 "$WIDTH" "$HEIGHT"
  echo "saved $file (${WIDTH}x${HEIGHT})"
}

# Starts Gridora on the file $1 and focuses its main window, whose id goes
# to `id`; quit_app ends it.
launch() {
  build/src/app/gridora "$1" &
  app_pid=$!
  id=$(main_window)
  xdotool windowfocus --sync "$id"
  sleep 0.5
}
quit_app() {
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}

launch "$work/sample9.gdr"
xdotool key F2
sleep 2
shoot "$id" "$out/solved-9x9.png"
quit_app

launch "$work/sample16.gdr"
shoot "$id" "$out/puzzle-16x16.png"
quit_app

# The tools, turned on in the settings file, with the keypad cursor.
mkdir -p "$XDG_CONFIG_HOME/gridora"
printf '%s\r\n' "[Information]" "SoftName=Gridora's Ini File version 1.5" "[Option]" \
  "NInputMode= 1" "[Tools]" "ShowCandidates=True" "HighlightSame=True" "ShowMistakes=True" \
  > "$XDG_CONFIG_HOME/gridora/Gridora.ini"
for size in 9 16; do
  launch "$work/play$size.gdr"
  # The cursor onto the given digit that the mistake repeats.
  cursor=$(cat "$work/play$size.cursor")
  if [ "$cursor" -gt 0 ]; then xdotool key --repeat "$cursor" --delay 20 Right; fi
  sleep 0.5
  shoot "$id" "$out/aids-${size}x${size}.png"
  quit_app

  launch "$work/sample$size.gdr"
  xdotool key F3
  sleep 0.5
  shoot "$id" "$out/hint-${size}x${size}.png"
  quit_app
done

# The HTML export dialog (File menu, "HTMLに変換...(&H)"), the pointer over
# its first button so that the status bar shows that button's text.
build/src/app/gridora "$work/sample9.gdr" &
app_pid=$!
id=$(main_window)
xdotool windowfocus --sync "$id"
sleep 0.5
xdotool key alt+f h
dialog=""
for _ in $(seq 50); do
  dialog=$(xdotool search --onlyvisible --name '^HTML変換$' 2>/dev/null | head -1 || true)
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || { echo "the HTML export dialog did not appear" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 50)) $((Y + 40))
sleep 0.5
shoot "$dialog" "$out/html-dialog.png"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
app_pid=""

# The exported table and the game page in play, in headless Chromium.
cmake --build build --target gridora_export_page >&2
/usr/bin/python3 tests/browser/html_export_browser_test.py \
  --exporter build/tests/browser/gridora_export_page --template data/js-gdr.dat \
  --images data/gdr_cg --puzzle "$work/sample9.gdr" --screenshots "$out" >/dev/null
echo "saved $out/html-table-chromium.png, $out/html-game-clash.png, $out/html-game-complete.png"

# The editing dialogs, each opened from its menu as a user does, with the
# settings back at their defaults:
dialog_shot() {
  local keys=$1 name=$2 file=$3 dialog=""
  xdotool windowfocus --sync "$id"
  sleep 0.3
  # shellcheck disable=SC2086
  xdotool key --clearmodifiers $keys
  for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || { echo "no dialog $name" >&2; return 1; }
  sleep 0.5
  shoot_window "$dialog" "$file"
  xdotool windowfocus --sync "$dialog" key Escape
  sleep 0.3
}
rm -f "$XDG_CONFIG_HOME/gridora/Gridora.ini"
launch "$work/sample9.gdr"
dialog_shot "alt+o c" '^Option$' "$out/settings-dialog.png"
dialog_shot "alt+e n" '^数字の入れ替え$' "$out/swap-9x9.png"
dialog_shot "ctrl+r" '^問題のプロパティ$' "$out/property-dialog.png"
quit_app
launch "$work/sample16.gdr"
dialog_shot "alt+e n" '^数字の入れ替え$' "$out/swap-16x16.png"
quit_app

# A puzzle made by the generator through the menu and its dialog (the
# defaults: 標準, symmetric), on a fresh start without a puzzle file.
build/src/app/gridora &
app_pid=$!
id=$(main_window)
xdotool windowfocus --sync "$id"
sleep 0.5
xdotool key alt+t
sleep 0.5
xdotool key n
sleep 1
xdotool key Return
sleep 3
shoot "$id" "$out/generated-9x9.png"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true

# A puzzle F2 gives up on ("解けませんでした": the first of the top1465 list,
# an expert one, ER 6.6 and above), then the complete search fills it. Our
# generator's expert puzzles need chains, but F2's hypothesis search
# mostly solves them.
echo "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........" \
  >"$work/expert.txt"
python3 - "$work" <<'PY'
import sys
sys.path.insert(0, "scripts")
from make_sample_puzzles import write_gdr
line = open(sys.argv[1] + "/expert.txt").read().split()[0]
grid = [[0 if ch == "." else int(ch) for ch in line[r * 9:r * 9 + 9]] for r in range(9)]
write_gdr(sys.argv[1] + "/expert9.gdr", grid, 9, "超難問 (top1465 の 1 問目)")
PY
build/src/app/gridora "$work/expert9.gdr" &
app_pid=$!
id=$(main_window)
xdotool windowfocus --sync "$id"
sleep 0.5
xdotool key F2
sleep 2
xdotool key alt+t
sleep 0.5
xdotool key s
sleep 2
shoot "$id" "$out/fullsolve-9x9.png"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
app_pid=""

# High resolution: the display's scale 2, then the zoom 200% as the settings
# file keeps it, each with settings of its own.
export XDG_CONFIG_HOME=$work/config-scale2
QT_SCALE_FACTOR=2 build/src/app/gridora "$work/sample16.gdr" &
app_pid=$!
id=$(main_window)
sleep 1
shoot "$id" "$out/scale2-16x16.png"
# The pointer on the right-hand side opens the launcher.
eval "$(xdotool getwindowgeometry --shell "$id")"
xdotool mousemove $((X + 600)) $((Y + 300))
sleep 0.3
xdotool mousemove $((X + 610)) $((Y + 320))
sleep 0.8
# A click on store 1 puts the board into memory 1 and shows its miniature.
xdotool mousemove $((X + 541)) $((Y + 146)) click 1
sleep 0.8
shoot "$id" "$out/scale2-launcher-16x16.png"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true

export XDG_CONFIG_HOME=$work/config-zoom
mkdir -p "$XDG_CONFIG_HOME/gridora"
{ cat tests/data/settings/fresh_after_quit.ini; printf '%s\r\n' "[Tools]" "Zoom=200"; } \
  >"$XDG_CONFIG_HOME/gridora/Gridora.ini"
build/src/app/gridora "$work/sample9.gdr" &
app_pid=$!
id=$(main_window)
xdotool windowfocus --sync "$id"
sleep 0.5
xdotool key F2
sleep 2
shoot "$id" "$out/zoom200-solved-9x9.png"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
app_pid=""

# The 16 x 16 sample in play at the zoom 200% with the tools on: the
# candidates as small digits. (The program ended by a signal has saved its
# settings, the tools off among them: the file is written anew.)
{
  cat tests/data/settings/fresh_after_quit.ini
  printf '%s\r\n' "[Tools]" "Zoom=200" "ShowCandidates=True" "HighlightSame=True" \
    "ShowMistakes=True"
} >"$XDG_CONFIG_HOME/gridora/Gridora.ini"
launch "$work/play16.gdr"
shoot "$id" "$out/zoom200-aids-16x16.png"
quit_app

# Play mode: a 9 x 9 and a 16 x 16 game in progress with notes and the
# clock (play-9x9.png, play-16x16.png), the 9 x 9 one in the high-contrast
# look (contrast-play-9x9.png) and the records dialog (records-dialog.png),
# taken by the end-to-end run of play mode.
SHOTS=$(cd "$out" && pwd) bash tests/e2e/play_e2e.sh build/src/app/gridora \
  build/src/app/gridora-solve tests/data/settings/fresh_after_quit.ini
# A puzzle book in the print preview: 8 puzzles at 4 a page, seed 7.
export XDG_CONFIG_HOME=$work/config-book
build/src/app/gridora &
app_pid=$!
id=$(main_window)
xdotool windowfocus --sync "$id"
sleep 0.5
xdotool key alt+t
sleep 0.5
xdotool key k
sleep 1
book=$(xdotool search --onlyvisible --name '^問題集を作る$' | head -1)
xdotool windowfocus --sync "$book"
xdotool key Tab Tab ctrl+a
xdotool type 8
xdotool key Tab Tab Tab Tab
xdotool type 7
xdotool key alt+v
preview=""
for _ in $(seq 600); do
  preview=$(xdotool search --onlyvisible --name '^印刷プレビュー' 2>/dev/null | head -1 || true)
  [ -n "$preview" ] && break
  sleep 0.1
done
xdotool windowsize --sync "$preview" 1400 1000
sleep 2
shoot "$preview" "$out/book-preview-9x9.png"
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
app_pid=""

# The first page of a 16 x 16 book, as a PDF viewer shows it.
build/src/app/gridora-solve --book "$work/book16.pdf" --size 16 --grade standard --count 2 \
  --per-page 2 --seed 16 --title "16×16 問題集" -j 2
pdftoppm -r 110 -f 1 -l 1 -singlefile -png "$work/book16.pdf" "$out/book-16x16-page"
echo "saved $out/book-16x16-page.png"
# The high-contrast look at 100% and 200%: the solved sample with a cell
# erased (its candidates shown) and the keypad cursor on a solver's digit.
for zoom in 100 200; do
  {
    cat tests/data/settings/fresh_after_quit.ini | sed 's/^NInputMode=.*/NInputMode= 1\r/'
    printf '%s\r\n' "[Tools]" "Zoom=$zoom" "ShowCandidates=True" "HighlightSame=True" \
      "HighContrast=True"
  } >"$XDG_CONFIG_HOME/gridora/Gridora.ini"
  launch "$work/sample9.gdr"
  xdotool key F2
  sleep 2
  xdotool windowfocus --sync "$id" key Right Right space Right Right
  sleep 0.8
  name=contrast-9x9.png
  [ "$zoom" = 100 ] || name=contrast-zoom${zoom}-9x9.png
  shoot "$id" "$out/$name"
  quit_app
done
# The logic engine's hint past the basic techniques: a puzzle followed with
# F3 (shown, then applied) up to its first fish or chain, here an X-chain
# after two XY-Wings, drawn on the board with the candidates on
# (hint-chain-9x9.png);
# then the whole solving path of the puzzle, ツール > 解き方を表示
# (solving-path.png).
chain=".................1..2..3.4......253..16..7....8...........1.....5..8....4......27"
before=$(build/src/app/gridora-solve --rate --json --steps - <<<"$chain" | python3 -c '
import json, sys
path = json.load(sys.stdin)["path"]
kinds = ("chain", "cycle", "x-wing", "fish", "skyscraper", "kite")
print(next(k for k, step in enumerate(path) if any(w in step["technique"] for w in kinds)))')
python3 - "$work" "$chain" <<'PY'
import sys
sys.path.insert(0, "scripts")
from make_sample_puzzles import write_gdr
line = sys.argv[2]
grid = [[0 if ch == "." else int(ch) for ch in line[r * 9:r * 9 + 9]] for r in range(9)]
write_gdr(sys.argv[1] + "/chain9.gdr", grid, 9, "連鎖の要る問題")
PY
# Settings and state of their own (no recovery copy of the runs before),
# at the zoom 200% so that the links show.
export XDG_CONFIG_HOME=$work/config-logic XDG_STATE_HOME=$work/state-logic
mkdir -p "$XDG_CONFIG_HOME/gridora"
{
  cat tests/data/settings/fresh_after_quit.ini
  printf '%s\r\n' "[Tools]" "Zoom=200" "ShowCandidates=True"
} >"$XDG_CONFIG_HOME/gridora/Gridora.ini"
launch "$work/chain9.gdr"
for _ in $(seq "$before"); do
  xdotool key --delay 60 F3 F3
done
xdotool key F3
sleep 1
shoot "$id" "$out/hint-chain-9x9.png"
quit_app
rm -rf "$XDG_STATE_HOME"  # the applied steps' recovery copy
launch "$work/chain9.gdr"
xdotool key alt+t
sleep 0.5
xdotool key w
path=""
for _ in $(seq 100); do
  path=$(xdotool search --onlyvisible --name '^解き方$' 2>/dev/null | head -1 || true)
  [ -n "$path" ] && break
  sleep 0.1
done
sleep 1
shoot "$path" "$out/solving-path.png"
quit_app
