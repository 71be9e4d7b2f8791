#!/usr/bin/env bash
# Installs what is missing, builds, and opens the QM4417 window on the simulated
# unit: kv3907-sim on a pseudo-terminal, COM1 mapped to it in a settings folder of
# this run only, then qm4417. Without a display it runs the window under Xvfb with
# the monitor started, saves a screenshot N seconds after start-up (N = first
# argument, default 4), prints its path and ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
delay=${1:-4}
"$root/tools/install-deps.sh"
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target kv3907-sim qm4417ctl qm4417 qm4417-screenshots

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
sim_pid=""
finish() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

unit="$work/kv3907"
"$build/tools/unit_sim/kv3907-sim" --line 9600,e,8,1 --speed 1500 --link "$unit" \
    --control "$work/control" >"$work/sim.out" </dev/null &
sim_pid=$!
# Its first line, the terminal's path, says the link and the control FIFO are ready.
for _ in $(seq 50); do
    [ -s "$work/sim.out" ] && break
    sleep 0.1
done
[ -s "$work/sim.out" ] || { echo "run.sh: the simulated unit did not start" >&2; exit 1; }
echo "Simulated KV3907P410 on $(head -n1 "$work/sim.out"); COM1 -> $unit"

ctl="$build/tools/qm4417ctl/qm4417ctl"
"$ctl" ports set COM1 "$unit"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    "$build/tools/qm4417/qm4417"
    exit 0
fi

echo "No display: running the QM4417 window under Xvfb with the monitor started."
shot="$build/qm4417-window.png"
rm -f "$shot"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/tools/qm4417_screenshots/qm4417-screenshots" --live "$shot" "$delay" >/dev/null
[ -s "$shot" ] || { echo "run.sh: no screenshot was saved" >&2; exit 1; }
echo "Screenshot of the window ${delay} s after start-up: $shot"
