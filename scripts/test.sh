#!/usr/bin/env bash
# Builds and runs the whole test suite twice: a normal build (build/) and a build with
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/). Any test failure or sanitizer
# report fails the run. JOBS sets the build and test parallelism (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}

# Sanitizer reports abort the test that triggers them, so CTest counts them as failures.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORM=offscreen

run_suite() {
    local dir=$1
    shift
    echo "=== $dir: configure and build"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTMAR_BENCHMARKS=ON "$@" > "$dir/configure.log" 2>&1 \
        || { cat "$dir/configure.log"; return 1; }
    cmake --build "$dir" -j"$jobs"
    echo "=== $dir: tests"
    ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

mkdir -p build build-asan
run_suite build
run_suite build-asan -DVELTMAR_SANITIZE=ON
