#!/usr/bin/env bash
# Processor cost of monitoring, whole process (every thread), at 10 readings a second on
# the simulated unit pacing 9600,e,8,1: the real qm4417 window under Xvfb with its Monitor
# switch clicked on, then the same process with its trend window opened by Alt+T on the
# 1 min span, then `qm4417ctl monitor` on a unit of its own on the same line, each measured
# from /proc/PID/stat (user + system time) over the same wall time.
#
#   bench/field/monitor_cpu.sh [--seconds N (20)] [--display :N] [--build DIR]
set -euo pipefail
source "$(dirname "$0")/../../tools/field_session.sh"
seconds=20
parse_options "$@"
start_session

start_unit window-unit
start_window
switch_monitor_on || { echo "the Monitor switch did not turn on" >&2; exit 1; }
sleep 2  # settle into the tick rhythm
read -r window_cpu window_rate < <(monitor_figures "$window_pid")
window_load=$(machine_load)
open_trend || { echo "the trend window did not open" >&2; exit 1; }
sleep 2
read -r trend_cpu trend_rate < <(monitor_figures "$window_pid")
trend_load=$(machine_load)
stop_window

start_unit ctl-unit
"$build/tools/qm4417ctl/qm4417ctl" --port "$work/ctl-unit" --line 9600,e,8,1 monitor \
    >"$work/ctl.out" 2>&1 &
started_pids+=($!)
ctl_pid=$!
sleep 3
read -r ctl_cpu ctl_rate < <(monitor_figures "$ctl_pid")
ctl_load=$(machine_load)

echo "Monitoring cost, whole process, ${seconds} s each, simulated unit at 9600,e,8,1 (display $DISPLAY)"
printf "  %-22s %6s%% of a core  %5s readings/s  (%s)\n" "qm4417 window (Xvfb)" \
    "$window_cpu" "$window_rate" "$window_load"
printf "  %-22s %6s%% of a core  %5s readings/s  (%s)\n" "window + trend, 1 min" \
    "$trend_cpu" "$trend_rate" "$trend_load"
printf "  %-22s %6s%% of a core  %5s readings/s  (%s)\n" "qm4417ctl monitor" \
    "$ctl_cpu" "$ctl_rate" "$ctl_load"
awk -v c="$window_cpu" 'BEGIN { printf "  goal: window under 1%% of a core: %s\n", (c < 1 ? "met" : "MISSED") }'
awk -v c="$trend_cpu" 'BEGIN { printf "  goal: window with the trend under 1.5%% of a core: %s\n", (c < 1.5 ? "met" : "MISSED") }'
