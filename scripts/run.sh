#!/usr/bin/env bash
# Builds Gridora (installing what is missing) and starts it. Arguments go to
# the program, so `scripts/run.sh puzzle.gdr` opens that puzzle.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build bash scripts/setup.sh >&2
exec build/src/app/gridora "$@"
