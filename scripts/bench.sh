#!/usr/bin/env bash
# Runs every benchmark executable of a build (default build/). Extra arguments go to each.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
found=0
for bench in "$build"/bin/bench/*_bench; do
    [ -x "$bench" ] || continue
    found=1
    echo "=== $(basename "$bench")"
    "$bench" "$@"
done
[ "$found" = 1 ] || { echo "no benchmarks built in $build"; exit 1; }
