#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Rating time per puzzle, the logic engine against the reference rater
# (SukakuExplainer through ../shared/peers/rate-se.sh's build), one core each.
#   bench/rating_compare.sh build/bench/gridora_rating_bench FILE [LIMIT]
# Prints both sides' median and worst time a puzzle. Take it on a quiet machine.
set -euo pipefail
bench=$1
file=$2
limit=${3:-1000000}
here=$(cd "$(dirname "$0")" && pwd)
sample=$(mktemp)
trap 'rm -f "$sample"' EXIT
grep -E '^[0-9.]{81}' "$file" | cut -c1-81 | head -n "$limit" >"$sample"
echo "ours:      $("$bench" "$sample")"
classes=${SE_BUILD:-/tmp/sukaku-explainer-classes}
[ -f "$classes/diuf/sudoku/test/serate.class" ] || bash "$here/../../shared/peers/rate-se.sh" /dev/null >/dev/null
java -Xmx3g -cp "$classes" diuf.sudoku.test.serate --format="%e" --input="$sample" --output=- \
  --threads=1 | python3 -c '
import re, sys
t = []
for line in sys.stdin:
    m = re.fullmatch(r"(?:(\d+)h)?(?:(\d+)m)?(?:([\d.]+)s)?", line.strip())
    if not m or not line.strip(): continue
    h, mi, se = (float(x) if x else 0.0 for x in m.groups())
    t.append((h * 3600 + mi * 60 + se) * 1000)
t.sort()
print("reference: puzzles %d  median %.0f ms  worst %.0f ms (10 ms steps)" % (len(t), t[len(t)//2], t[-1]))'
