#!/usr/bin/env bash
# Builds the fuzzer of the RFC 2217 line's Telnet layer with clang (address+undefined
# sanitizers) and runs it for a bounded time on what a device server might send.
#   tools/fuzz-telnet.sh [SECONDS]     default 60; findings land in build-fuzz-reply/telnet-crashes/
set -euo pipefail
source "$(dirname "$0")/fuzz_target.sh"

# Seeds (the first byte sets the size of the reads): ser2net's greeting, its answers to two
# settings, then data with a doubled IAC and a modem-state notification.
seeds() {
    printf '\x03\xff\xfb\x03\xff\xfd\x03\xff\xfb\x01\xff\xfe\x01\xff\xfd\x00\xff\xfb\x00\xff\xfd\x2c' >"$1/greeting"
    printf '\x01\xff\xfa\x2c\x65\x00\x00\x25\x80\xff\xf0\xff\xfa\x2c\x67\x03\xff\xf0' >"$1/answers"
    printf '\x02\x02\x31\xff\xff\x32\xff\xfa\x2c\x6b\x30\xff\xf0\x03' >"$1/data"
}
run_fuzzer telnet "${1:-60}"
