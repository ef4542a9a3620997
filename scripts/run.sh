#!/usr/bin/env bash
# The program's main job. Until the program exists this runs the library benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ -x "$build/bin/veltmar" ] && [ -f app/src/MainWindow.cpp ]; then
    exec "$build/bin/veltmar"
fi
echo "The veltmar program is not built yet: running the library benchmarks instead."
exec scripts/bench.sh "$build"
