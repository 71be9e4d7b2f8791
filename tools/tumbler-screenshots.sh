#!/usr/bin/env bash
# Headless pictures of the Tumbler container hosting a switch, of the switch's property sheet
# (General, Colors, Fonts) and of its about box, written as PNGs into a folder:
#   tools/tumbler-screenshots.sh [FOLDER]      (default: out/tumbler-screenshots)
# The module is registered in a throw-away registry, so the user's own stays untouched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/out/tumbler-screenshots}")
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tumbler regctl tumbler-container
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen
"$build/tools/regctl/regctl" register "$build/switch_control/module/libtumbler.so"
"$build/tools/tumbler_container/tumbler-container" --create Tumbler.TumblerCtrl.1 \
    --screenshots "$out"
ls -1 "$out"
