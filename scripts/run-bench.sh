#!/usr/bin/env bash
# Runs the benchmarks of a build tree; the figures go into bench/README.md by hand.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] && "$b"
done
