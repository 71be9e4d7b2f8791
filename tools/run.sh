#!/usr/bin/env bash
# Installs what is missing, builds, and runs the unit link against the simulated
# unit: kv3907-sim on a pseudo-terminal, COM1 mapped to it in a settings folder of
# this run only, then `qm4417ctl monitor --count N` (N = first argument, default 20).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-20}
"$root/tools/install-deps.sh"
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target kv3907-sim qm4417ctl

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
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
"$ctl" monitor --count "$count"
