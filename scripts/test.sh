#!/usr/bin/env bash
# Builds Gridora and runs every test twice: in a normal build (build/) and in
# a build with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/);
# then builds the Debian package (build-deb/) and checks it and what it
# installs (check_package.sh). Installs what is missing first (see
# setup.sh). Fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --deps

echo "== Format"
files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 2>/dev/null || true)
if [ -n "$files" ]; then
  # shellcheck disable=SC2086
  clang-format --dry-run --Werror $files
  # Every source file names its licence.
  # shellcheck disable=SC2086
  unlicensed=$(grep -L -m1 'SPDX-License-Identifier: MIT' $files || true)
  if [ -n "$unlicensed" ]; then
    echo "Files without an SPDX-License-Identifier line:" >&2
    echo "$unlicensed" >&2
    exit 1
  fi
fi

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Normal build"
BUILD_DIR=build BUILD_TYPE=RelWithDebInfo bash scripts/setup.sh
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Sanitizer build (address, undefined)"
BUILD_DIR=build-asan BUILD_TYPE=Debug \
  CMAKE_ARGS="-DGRIDORA_SANITIZE=ON -DGRIDORA_BUILD_BENCHMARKS=OFF" bash scripts/setup.sh
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Package"
bash scripts/check_package.sh

echo "== All tests passed in both builds and the package checks"
