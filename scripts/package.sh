#!/usr/bin/env bash
# Builds the Debian package of Gridora: the program alone (no tests) with
# Debian's compiler and linker flags (optimisation and hardening, from
# dpkg-buildflags) in build-deb/, installed under /usr with the programs in
# /usr/games as Debian's games have them, then `cpack -G DEB` there. Prints the path
# of the package, build-deb/gridora_<version>_<architecture>.deb.
#   scripts/package.sh
#   BUILD_DIR=... CMAKE_ARGS=...   override the build folder and CMake options
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --deps >&2

build_dir=${BUILD_DIR:-build-deb}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
# CMake reads CXXFLAGS and LDFLAGS from the environment, but not CPPFLAGS.
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  -DGRIDORA_BUILD_TESTS=OFF -DGRIDORA_BUILD_BENCHMARKS=OFF ${CMAKE_ARGS:-} >&2
cmake --build "$build_dir" --parallel >&2
rm -f "$build_dir"/gridora_*.deb
(cd "$build_dir" && cpack -G DEB >&2)
ls "$PWD/$build_dir"/gridora_*.deb
