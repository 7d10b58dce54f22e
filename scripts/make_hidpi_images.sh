#!/usr/bin/env bash
# Renders the toolbar's and the launcher's pictures for displays with more
# device pixels per logical pixel (display scale, zoom) from their drawings
# in src/ui/resources/vector:
#   toolbar_glyphs@2x.png, @3x.png   the toolbar's glyphs (700 x 144, 1050 x 216)
#                                    on a transparent ground, in the places
#                                    of toolbar.png; the window lays them over
#                                    the button frames in the desktop's colours
#   launcher_icons@2x.png, @3x.png   the launcher's three icons (102 x 34,
#                                    153 x 51), each the size of its place
#   digits8@2x.png, @3x.png          the glyphs of the launcher's miniature
#                                    boards (272 x 16, 408 x 24)
# toolbar.png, launcher_icons.png and digits8.png (scripts/make_images.py) stay the
# pictures at scale 1. Needs rsvg-convert (librsvg2-bin), installed when
# missing (as root).
#   scripts/make_hidpi_images.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v rsvg-convert >/dev/null; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing rsvg-convert; run as root: apt-get install -y librsvg2-bin" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends librsvg2-bin
fi

res=src/ui/resources
for scale in 2 3; do
  rsvg-convert --width $((350 * scale)) --height $((72 * scale)) \
    "$res/vector/toolbar_glyphs.svg" --output "$res/toolbar_glyphs@${scale}x.png"
  rsvg-convert --width $((51 * scale)) --height $((17 * scale)) \
    "$res/vector/launcher_icons.svg" --output "$res/launcher_icons@${scale}x.png"
  rsvg-convert --width $((136 * scale)) --height $((8 * scale)) \
    "$res/vector/digits8.svg" --output "$res/digits8@${scale}x.png"
done
echo "rendered $(ls "$res"/*@?x.png | wc -l) pictures into $res"
