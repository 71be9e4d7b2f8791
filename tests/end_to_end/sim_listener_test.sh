#!/usr/bin/env bash
# qm4417ctl through a raw network line (tcp://) to kv3907-sim's own TCP listener, paced at
# 9600,e,8,1: read and monitor; a connection reset and a half-close mid-reply each give one
# failure message and exit 1, and the next command reads again on a new connection; a silent
# unit says through TCP what it says on the terminal; a second client is turned away while one
# is served. The listener's address and the faults only a connection has are refused where
# they do not fit.
#   sim_listener_test.sh KV3907_SIM QM4417CTL
set -uo pipefail
sim=$1
ctl=$2
work=$(mktemp -d /tmp/qm4417-listener-XXXXXX)
export XDG_CONFIG_HOME="$work"
pids=()
finish() {
    [ ${#pids[@]} -gt 0 ] && kill "${pids[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

source "$(dirname "$0")/script_checks.sh"

start_sim() {  # start_sim NAME OPTION...: the simulator with a control FIFO $work/NAME.ctl
    local name=$1
    shift
    "$sim" --control "$work/$name.ctl" --position 0x123456 "$@" \
        >"$work/$name.out" 2>"$work/$name.err" &
    pids+=($!)
    wait_for test -s "$work/$name.out" || { echo "FAIL: $name did not start"; cat "$work/$name.err"; exit 1; }
}
answered_more() {  # answered_more NAME N: the simulator NAME has said "ok" more than N times
    [ "$(grep -c '^ok$' "$work/$1.out")" -gt "$2" ]
}
fault() {  # fault NAME "KIND [AMOUNT] [COUNT]": sets the fault and waits for the simulator's "ok"
    local before
    before=$(grep -c '^ok$' "$work/$1.out")
    echo "fault $2" >"$work/$1.ctl"
    wait_for answered_more "$1" "$before" || { echo "FAIL: fault $2 not taken"; failures=$((failures + 1)); }
}

start_sim tcp --listen 0 --trace
url=$(head -n1 "$work/tcp.out")
check "first line names the listener" 1 "$(grep -cE '^tcp://127\.0\.0\.1:[0-9]+$' <<<"$url")"
start_sim pty
terminal=$(head -n1 "$work/pty.out")

check "read" "3456 0012" "$("$ctl" --port "$url" read FFEF5C 2 | paste -sd' ')"
check "monitor" "1193046 123456 U=000 S=00000|1193046 123456 U=000 S=00000" \
    "$("$ctl" --port "$url" monitor --count 2 | paste -sd'|')"

for cut in reset half-close; do
    fault tcp "$cut 1"
    "$ctl" --port "$url" monitor --count 5 >"$work/$cut.out" 2>"$work/$cut.err"
    check "$cut exit" 1 $?
    check "$cut: one message" "1 Communication Time Out!" \
        "$(grep -c 'Communication Time Out!' "$work/$cut.err") $(head -n1 "$work/$cut.err")"
    check "$cut cause" "Cause: the line is closed, or its device or connection is gone" \
        "$(sed -n 3p "$work/$cut.err")"
    check "$cut: no reading printed" "" "$(cat "$work/$cut.out")"
    check "reads again after $cut" "3456" "$("$ctl" --port "$url" read FFEF5C 1)"
done
check "connections served" 6 "$(grep -c '^-- connection from' "$work/tcp.err")"

for name in tcp pty; do fault "$name" "silence 1"; done
"$ctl" --port "$url" read FFEF5C 1 >/dev/null 2>"$work/silent-tcp.err"
check "silent unit exit through TCP" 1 $?
"$ctl" --port "$terminal" read FFEF5C 1 >/dev/null 2>"$work/silent-pty.err"
check "silent unit: the terminal's message" "$(cat "$work/silent-pty.err")" \
    "$(cat "$work/silent-tcp.err")"

# One client at a time: a second one meets a closed connection while a monitor runs.
"$ctl" --port "$url" monitor --count 100000 >"$work/monitor.out" 2>"$work/monitor.err" &
monitor_pid=$!
wait_for has_lines "$work/monitor.out" 2 || { echo "FAIL: no monitor rows"; failures=$((failures + 1)); }
"$ctl" --port "$url" read FFEF5C 1 >/dev/null 2>"$work/second.err"
check "second client" "1 Communication Time Out!" "$? $(head -n1 "$work/second.err")"
kill "$monitor_pid"
wait "$monitor_pid" 2>/dev/null
check "monitor kept on" "" "$(cat "$work/monitor.err")"

# Refusals: exit 2 and a line that says what is wrong.
"$sim" --listen 80x >/dev/null 2>"$work/usage.err"
check "malformed --listen" "2 kv3907-sim: bad --listen '80x': the port '80x' is not a number from 0 to 65535" \
    "$? $(head -n1 "$work/usage.err")"
"$sim" --listen 0 --link "$work/unit" >/dev/null 2>"$work/usage.err"
check "--link with --listen" "2 kv3907-sim: --link names a terminal; with --listen there is none" \
    "$? $(head -n1 "$work/usage.err")"
"$sim" --fault reset >/dev/null 2>"$work/usage.err"
check "cut on a terminal at start" 2 $?
check "cut on a terminal, said" 1 "$(grep -c 'reset cuts a network connection' "$work/usage.err")"
echo "fault half-close" >"$work/pty.ctl"
wait_for grep -q '^error: half-close cuts' "$work/pty.out" ||
    { echo "FAIL: the terminal took half-close: $(tail -n1 "$work/pty.out")"; failures=$((failures + 1)); }

check "simulator errors" "" "$(grep -v '^-- \|^<- \|^-> ' "$work/tcp.err")$(cat "$work/pty.err")"
exit $((failures > 0))
