#!/usr/bin/env bash
# Brings a Debian 12 machine to a working Gridora build: installs the packages
# that are missing (as root with apt-get; otherwise prints the command), then
# configures and builds.
#   scripts/setup.sh            install what is missing, build build/
#   scripts/setup.sh --deps     install only
#   BUILD_DIR=... CMAKE_ARGS=... override the build folder and CMake options
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libqt6printsupport6 libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libglib2.0-dev libexpat1-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  clang-format
  shared-mime-info desktop-file-utils xdg-utils libglib2.0-bin
  libx11-dev
  qt6-translations-l10n
  dpkg-dev desktop-file-utils appstream lintian
  chromium chromium-driver python3-selenium python3-html5lib
  cups cups-client printer-driver-cups-pdf poppler-utils xvfb xdotool x11-apps
  at-spi2-core python3-pyatspi dbus-daemon dbus-bin gsettings-desktop-schemas
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages; run as root:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

[ "${1:-}" = "--deps" ] && exit 0

build_dir=${BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_ARGS:-}
cmake --build "$build_dir" --parallel
