#!/usr/bin/env bash
# The real qm4417 window under Xvfb, driven with real clicks, monitoring the simulated unit
# through Debian's ser2net: once as a raw TCP accepter, once as Telnet with RFC 2217. ser2net
# stopped mid-monitor gives one message and leaves the Monitor switch off; started again on the
# same port, one click on the switch reads again, with no settings dialog on the way.
#   ser2net_window_test.sh BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/window_checks.sh"
build=$1
start_session
start_unit unit
terminal=$(head -n1 "$work/unit.out")

start_server() {  # start_server ACCEPTER [PORT]: ser2net in front of the terminal; sets $port
    rm -f "$work/port"
    "$root/tools/ser2net-front.sh" "$terminal" "$1" 9600e81 ${2:-} >"$work/port" \
        2>>"$work/ser2net.log" &
    server_pid=$!
    started_pids+=("$server_pid")
    wait_for test -s "$work/port" || { echo "FAIL: ser2net did not listen"; cat "$work/ser2net.log"; exit 1; }
    port=$(cat "$work/port")
}
stop_server() {
    kill "$server_pid"
    wait "$server_pid" 2>/dev/null
}

start_server tcp
start_window "tcp://127.0.0.1:$port"
switch_monitor_on
check "raw TCP: the monitor reads" 0 $?
stop_window
stop_server

start_server 'telnet(rfc2217),tcp'
start_window "rfc2217://127.0.0.1:$port"
switch_monitor_on
check "RFC 2217: the monitor reads" 0 $?
check "RFC 2217: the terminal carries the baud rate asked" 9600 "$(stty -F "$terminal" speed)"

stop_server
check_one_message "the server stopped"

start_server 'telnet(rfc2217),tcp' "$port"
monitor_running
check "the switch stays off until clicked" 1 $?
switch_monitor_on
check "one click reads again once the server is back" 0 $?
check "no settings dialog on the way" 0 "$(shown "Com Setting")"
check "no further message" 0 "$(shown "$failure_title")"

[ "$failures" -gt 0 ] && { echo "ser2net said:"; cat "$work/ser2net.log"; }
exit $((failures > 0))
