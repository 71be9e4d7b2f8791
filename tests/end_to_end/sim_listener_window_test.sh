#!/usr/bin/env bash
# The real qm4417 window under Xvfb, driven with real clicks, monitoring the simulated unit on
# its own TCP listener (tcp://). A connection reset mid-reply, and then a half-close, each give
# one message and leave the Monitor switch off; one click reads again on a new connection, with
# no settings dialog on the way.
#   sim_listener_window_test.sh BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/window_checks.sh"
build=$1
start_session
start_unit unit --listen 0
start_window "$(head -n1 "$work/unit.out")"
switch_monitor_on
check "the monitor reads" 0 $?

for cut in reset half-close; do
    unit_control "fault $cut 1"
    check_one_message "$cut"
    monitor_running
    check "$cut: the switch stays off until clicked" 1 $?
    switch_monitor_on
    check "$cut: one click reads again" 0 $?
done
check "no settings dialog on the way" 0 "$(shown "Com Setting")"
exit $((failures > 0))
