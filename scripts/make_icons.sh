#!/usr/bin/env bash
# Renders the desktop icons from their SVG sources in dist/icons into the
# hicolor PNG sizes the desktop looks for:
#   dist/icons/hicolor/NxN/apps/org.gridora.Gridora.png      (the program)
#   dist/icons/hicolor/NxN/mimetypes/application-x-gridora.png (".gdr" files)
# for N = 16 22 24 32 48 64 128 256; the sizes up to 24 come from the
# "-small" drawings made on the 16 x 16 pixel grid. Needs rsvg-convert (librsvg2-bin),
# installed when missing (as root).
#   scripts/make_icons.sh
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

src=dist/icons
for size in 16 22 24 32 48 64 128 256; do
  for pair in apps:org.gridora.Gridora mimetypes:application-x-gridora; do
    context=${pair%%:*} name=${pair#*:}
    out=$src/hicolor/${size}x${size}/$context
    mkdir -p "$out"
    source=$src/$name.svg
    [ "$size" -le 24 ] && source=$src/$name-small.svg
    rsvg-convert --width "$size" --height "$size" "$source" --output "$out/$name.png"
  done
done
echo "rendered $(find "$src/hicolor" -name '*.png' | wc -l) icons into $src/hicolor"
