#!/usr/bin/env bash
# The unit behind a device server, beside the same unit on its direct line, in one run: Debian's
# ser2net with RFC 2217 on the loopback in front of the simulated unit pacing 9600,e,8,1.
# For each line: the real qm4417 window under Xvfb monitoring (readings a second counted by the
# unit, whole-process CPU from /proc/PID/stat), then qm4417ctl load and upload of one file
# (median wall time of 5 runs each, process start included on both lines alike).
#
#   bench/field/network_line.sh [--seconds N (20)] [--display :N] [--build DIR]
set -euo pipefail
source "$(dirname "$0")/../../tools/field_session.sh"
seconds=20
parse_options "$@"
start_session
ctl="$build/tools/qm4417ctl/qm4417ctl"

start_unit unit
"$root/tools/ser2net-front.sh" "$(head -n1 "$work/unit.out")" 'telnet(rfc2217),tcp' 9600e81 \
    >"$work/ser2net.port" 2>"$work/ser2net.log" &
started_pids+=($!)
for _ in $(seq 50); do [ -s "$work/ser2net.port" ] && break; sleep 0.1; done
[ -s "$work/ser2net.port" ] || { echo "ser2net did not start" >&2; cat "$work/ser2net.log" >&2; exit 1; }
network="rfc2217://127.0.0.1:$(cat "$work/ser2net.port")"
direct="$work/unit"

# median_ms COMMAND...: the median wall time of 5 runs, in milliseconds.
median_ms() {
    local i start
    for i in 1 2 3 4 5; do
        start=$(date +%s%N)
        "$@" >/dev/null
        echo $((($(date +%s%N) - start) / 1000000))
    done | sort -n | sed -n 3p
}

printf '1\r\n0\r\n5\r\n1500\r\n2\r\n171\r\n52719\r\n' >"$work/unit.par"
declare -A cpu rate load loads uploads
for line in direct network; do
    start_window "${!line}"
    switch_monitor_on || { echo "the Monitor switch did not turn on ($line)" >&2; exit 1; }
    sleep 2  # settle into the tick rhythm
    read -r cpu[$line] rate[$line] < <(monitor_figures "$window_pid")
    load[$line]=$(machine_load)
    stop_window
    "$ctl" ports set COM1 "${!line}"
    loads[$line]=$(median_ms "$ctl" load "$work/unit.par")
    uploads[$line]=$(median_ms "$ctl" upload "$work/up.par")
done

echo "Direct line and RFC 2217 through ser2net ($network), simulated unit at 9600,e,8,1"
for line in direct network; do
    printf "  %-8s window %5s readings/s  %5s%% of a core  (%s)\n" "$line" "${rate[$line]}" \
        "${cpu[$line]}" "${load[$line]}"
done
awk -v r="${rate[network]}" -v c="${cpu[network]}" 'BEGIN {
    printf "  goals through RFC 2217: 10.0 readings/s: %s; under 1%% of a core: %s\n",
        (r >= 9.9 ? "met" : "MISSED"), (c < 1 ? "met" : "MISSED") }'
for what in load upload; do
    declare -n times=${what}s
    awk -v w="$what" -v d="${times[direct]}" -v n="${times[network]}" 'BEGIN {
        printf "  qm4417ctl %-6s direct %5d ms  RFC 2217 %5d ms  ratio %.2f  goal <= 1.2: %s\n",
            w, d, n, n / d, (n <= 1.2 * d ? "met" : "MISSED") }'
done
echo "  ($(machine_load))"
