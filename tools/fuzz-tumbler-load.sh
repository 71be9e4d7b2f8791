#!/usr/bin/env bash
# Fuzzes the switch control's two loaders (binary stream and property bag text) with libFuzzer.
#   tools/fuzz-tumbler-load.sh [SECONDS]     default 60; findings land in build-fuzz/tumbler-crashes/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$root/build-fuzz"
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build" --target tumbler_load_fuzzer tumbler_fuzz_seeds -j2
corpus="$build/tumbler-corpus"
crashes="$build/tumbler-crashes"
mkdir -p "$corpus" "$crashes"
"$build/tests/switch_control/fuzz/tumbler_fuzz_seeds" "$corpus"
export ASAN_OPTIONS=detect_leaks=1
"$build/tests/switch_control/fuzz/tumbler_load_fuzzer" "$corpus" \
    -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$crashes/" -print_final_stats=1
