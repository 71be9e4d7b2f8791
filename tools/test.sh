#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless.
#   tools/test.sh              normal build in build/
#   tools/test.sh --sanitize   address+undefined sanitizer build in build-sanitize/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
build="$root/build"
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-sanitize"
    # Benchmarks are left out: their figures mean nothing under sanitizers.
    flags=(-DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON -DQM_BENCH=OFF)
fi
cmake -S "$root" -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$build" --output-on-failure --timeout 300
