#!/usr/bin/env bash
# Builds the reply-decoding fuzzer with clang (address+undefined sanitizers) and
# runs it for a bounded time.
#   tools/fuzz-reply.sh [SECONDS]      default 60; findings land in build-fuzz-reply/reply-crashes/
set -euo pipefail
source "$(dirname "$0")/fuzz_target.sh"

# Seeds: a valid monitor reply, a short list, and a two-byte reply (first byte is the word count).
seeds() {
    printf '\x03\x024FFEF5C;4;hh1234abcd00FF;CCCC\x03' >"$1/words"
    printf '\x03\x024FFEF5C;4;hh0001;CCCC\x03' >"$1/short"
    printf '\x00\x0210;xxxxxx4142;CCCC\x03' >"$1/bytes"
}
run_fuzzer reply "${1:-60}"
