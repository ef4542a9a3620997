#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) in build-fuzz/ and runs each one.
# FUZZ_RUNS inputs per target (default 2,000,000), FUZZ_FILTER selects targets by name.
# New interesting inputs go to build-fuzz/corpus/<target>; the checked-in corpus is only read.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
runs=${FUZZ_RUNS:-2000000}
filter=${FUZZ_FILTER:-}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELTMAR_FUZZ=ON -DVELTMAR_TESTS=OFF -DVELTMAR_BENCHMARKS=OFF > /dev/null
cmake --build build-fuzz -j"$jobs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORM=offscreen
status=0
while IFS='|' read -r name corpus; do
    [ -n "$name" ] || continue
    [[ -z "$filter" || "$name" == *$filter* ]] || continue
    bin=$(find build-fuzz -type f -name "$name" -perm -u+x | head -n 1)
    work="build-fuzz/corpus/$name"
    mkdir -p "$work"
    echo "=== $name: $runs runs"
    "$bin" -runs="$runs" -max_len=4096 -print_final_stats=1 "$work" "$corpus" 2>&1 | tail -n 12 || status=1
done < build-fuzz/fuzzers.txt
exit $status
