#!/usr/bin/env bash
# qm4417ctl through a real device server: Debian's ser2net in front of kv3907-sim's terminal,
# once as a raw TCP accepter (tcp://) and once as Telnet with RFC 2217 (rfc2217://). Through
# each: read, monitor, load, verify, upload. Through RFC 2217 the server sets the line QM4417
# asks for (the terminal shows its baud rate; a pty keeps no parity). ser2net stopped
# mid-monitor gives one message; started again, the line reads again. Ports are free ones on
# 127.0.0.1 only.
#   ser2net_test.sh KV3907_SIM QM4417CTL
set -uo pipefail
sim=$1
ctl=$2
work=$(mktemp -d /tmp/qm4417-ser2net-XXXXXX)
export XDG_CONFIG_HOME="$work"
sim_pid=""
server_pid=""
finish() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

source "$(dirname "$0")/script_checks.sh"

"$sim" --link "$work/unit" --control "$work/control" --position 0x123456 \
    >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
wait_for test -s "$work/sim.out" || { echo "FAIL: simulator did not start"; cat "$work/sim.err"; exit 1; }
terminal=$(head -n1 "$work/sim.out")

front=$(cd "$(dirname "$0")/../../tools" && pwd)/ser2net-front.sh
start_server() {  # start_server ACCEPTER LINE [PORT]: ser2net in front of the terminal; sets $port
    rm -f "$work/port"
    "$front" "$terminal" "$@" >"$work/port" 2>>"$work/ser2net.log" &
    server_pid=$!
    wait_for test -s "$work/port" || { echo "FAIL: ser2net did not listen"; cat "$work/ser2net.log"; exit 1; }
    port=$(cat "$work/port")
}
stop_server() {
    kill "$server_pid"
    wait "$server_pid" 2>/dev/null
    server_pid=""
}

# Everything a production line runs, through COM1 = URL, at the stored 9600,e,8,1.
through() {  # through KIND URL
    local kind=$1 url=$2
    "$ctl" ports set COM1 "$url"
    check "$kind ports" "COM1 $url" "$("$ctl" ports | head -n1 | cut -d' ' -f1,2)"
    check "$kind read" "3456 0012" "$("$ctl" read FFEF5C 2 | paste -sd' ')"
    check "$kind monitor" "1193046 123456 U=000 S=00000|1193046 123456 U=000 S=00000" \
        "$("$ctl" monitor --count 2 | paste -sd'|')"
    printf '1\r\n0\r\n5\r\n1500\r\n2\r\n171\r\n52719\r\n' >"$work/$kind.par"
    "$ctl" load "$work/$kind.par" >"$work/load.out" 2>"$work/load.err"
    check "$kind load" "0 Load commparate." "$? $(tail -n1 "$work/load.out")$(cat "$work/load.err")"
    "$ctl" verify "$work/$kind.par" >"$work/verify.out" 2>&1
    check "$kind verify" "0 " "$? $(cat "$work/verify.out")"
    "$ctl" upload "$work/$kind-up.par" >/dev/null 2>"$work/upload.err"
    check "$kind upload" "0 " "$? $(cat "$work/upload.err")"
    check "$kind uploaded file" "$(cat "$work/$kind.par")" "$(cat "$work/$kind-up.par" 2>&1)"
}

# Raw TCP: the server keeps its own line settings, 9600 8E1 here.
start_server tcp 9600e81
through raw "tcp://127.0.0.1:$port"
stop_server

# RFC 2217: the server is set up for 19200 8N1; QM4417 asks for 9600 8E1 and gets it.
start_server 'telnet(rfc2217),tcp' 19200n81
through rfc2217 "rfc2217://127.0.0.1:$port"
# ser2net stopped mid-monitor: one failure message, the rows printed kept; started again on the
# same port, the line reads again.
"$ctl" monitor --count 100000 >"$work/monitor.out" 2>"$work/monitor.err" &
monitor_pid=$!
wait_for has_lines "$work/monitor.out" 3 || { echo "FAIL: no monitor rows"; failures=$((failures + 1)); }
# ser2net holds the terminal while a client is connected, set as the client asked.
check "terminal's baud rate set through RFC 2217" 9600 "$(stty -F "$terminal" speed)"
stop_server
wait "$monitor_pid"
check "monitor exit when the server stops" 1 $?
check "one message" 1 "$(grep -c "Communication Time Out!" "$work/monitor.err")"
check "monitor rows kept" "1193046 123456 U=000 S=00000" "$(head -n1 "$work/monitor.out")"
start_server 'telnet(rfc2217),tcp' 19200n81 "$port"
check "reads again after the server came back" "1193046 123456 U=000 S=00000" \
    "$("$ctl" monitor --count 1)"
stop_server

# Nothing listens on the port now: the open fails with the reason, as a missing device does.
"$ctl" read FFEF5C 1 >/dev/null 2>"$work/refused.err"
check "connection refused" "1|The Comm Port Number is Illegal|COM1 opens rfc2217://127.0.0.1:$port: connection refused." \
    "$?|$(paste -sd'|' "$work/refused.err")"

check "simulator errors" "" "$(cat "$work/sim.err")"
[ "$failures" -gt 0 ] && { echo "ser2net said:"; cat "$work/ser2net.log"; }
exit $((failures > 0))
