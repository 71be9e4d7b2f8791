#!/usr/bin/env bash
# Builds the reply-decoding fuzzer with clang (address+undefined sanitizers) and
# runs it for a bounded time.
#   tools/fuzz-reply.sh [SECONDS]      default 60; findings land in build-fuzz-reply/reply-crashes/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$root/build-fuzz-reply"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQM_FUZZ=ON -DQM_SANITIZE=ON >/dev/null
cmake --build "$build" --target reply_fuzzer -j2

# Seeds: a valid monitor reply, a short list, and a two-byte reply (first byte is the word count).
corpus="$build/reply-corpus"
crashes="$build/reply-crashes"
mkdir -p "$corpus" "$crashes"
printf '\x03\x024FFEF5C;4;hh1234abcd00FF;CCCC\x03' >"$corpus/words"
printf '\x03\x024FFEF5C;4;hh0001;CCCC\x03' >"$corpus/short"
printf '\x00\x0210;xxxxxx4142;CCCC\x03' >"$corpus/bytes"

export ASAN_OPTIONS=detect_leaks=0
"$build/tests/unit_link/reply_fuzzer" -max_total_time="$seconds" -max_len=256 \
    -rss_limit_mb=1024 -artifact_prefix="$crashes/" -print_final_stats=1 "$corpus"
