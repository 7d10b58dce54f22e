#!/usr/bin/env bash
# Builds Gridora (installing what is missing) and starts it. Arguments go to
# the program, so `scripts/run.sh puzzle.gdr` opens that puzzle.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Build in the repository, but start the program from the caller's folder so
# that a relative puzzle path means what the user typed.
(cd "$root" && BUILD_DIR=build bash scripts/setup.sh >&2)
exec "$root/build/src/app/gridora" "$@"
