#!/usr/bin/env bash
# Soak of the real qm4417 window under Xvfb: the monitor runs on the simulated unit
# (9600,e,8,1) while the unit puts a random fault on the line about every 20 s (silence,
# noise, split, delay, drop, each for one request). Each link failure message is answered
# with Enter, as an operator would, and the Monitor switch is clicked on again.
#
# Goals: every failure gives exactly one message and leaves the switch off; the monitor
# restarts after each; resident memory grows by less than 1 MB.
#
#   bench/field/monitor_soak.sh [--seconds N (600)] [--display :N] [--build DIR]
set -euo pipefail
source "$(dirname "$0")/../../tools/field_session.sh"
seconds=600
parse_options "$@"
start_session
start_unit soak-unit
start_window
switch_monitor_on || { echo "the Monitor switch did not turn on" >&2; exit 1; }

message_windows() { boxes "$failure_title"; }

# A random fault for one request, and whether the window must fail on it: a reply later
# than the 1.0 s limit fails, noise before a reply's STX does not.
random_fault() {
    case $((RANDOM % 5)) in
        0) fault="silence 1"; fails=1 ;;
        1) fault="drop 1"; fails=1 ;;
        2) fault="noise $((1 + RANDOM % 12)) 1"; fails=0 ;;
        3) if ((RANDOM % 2)); then fault="delay 1500 1"; fails=1; else fault="delay 300 1"; fails=0; fi ;;
        4) if ((RANDOM % 2)); then fault="split 1500 1"; fails=1; else fault="split 40 1"; fails=0; fi ;;
    esac
}

sleep 3
rss_start=$(resident_kb "$window_pid")
rss_after_first=""
requests_start=$(unit_requests)
start=$SECONDS
faults=0 expected_failures=0 messages=0 failures_seen=0 stacked=0 switch_left_on=0
restarts=0 restart_failed=0 unexpected_messages=0 missing_messages=0 failed_requests=0
declare -A by_kind=()

while (( SECONDS - start < seconds )); do
    sleep $((15 + RANDOM % 11))
    (( SECONDS - start < seconds )) || break
    random_fault
    unit_control fault "$fault"
    faults=$((faults + 1))
    kind=${fault%% *}
    by_kind[$kind]=$(( ${by_kind[$kind]:-0} + 1 ))
    expected_failures=$((expected_failures + fails))
    # The failure message, if any, is up within the 1.0 s limit plus the fault's delay.
    shown=""
    for _ in $(seq 40); do
        shown=$(message_windows)
        [ -n "$shown" ] && break
        sleep 0.1
    done
    if [ -z "$shown" ]; then
        if (( fails )); then missing_messages=$((missing_messages + 1)); fi
        echo "  $((SECONDS - start)) s: fault $fault, no message" >&2
        continue
    fi
    echo "  $((SECONDS - start)) s: fault $fault, message" >&2
    messages=$((messages + 1))
    failures_seen=$((failures_seen + 1))
    (( fails )) || unexpected_messages=$((unexpected_messages + 1))
    [[ $kind == silence ]] || failed_requests=$((failed_requests + 1))
    sleep 0.5  # as an operator reads it; a second box would stack meanwhile
    (( $(wc -l <<<"$(message_windows)") > 1 )) && stacked=$((stacked + 1))
    xdotool windowfocus --sync "$(head -n1 <<<"$shown")" 2>/dev/null || true
    xdotool key Return
    for _ in $(seq 30); do [ -z "$(message_windows)" ] && break; sleep 0.1; done
    # The failed read switched the monitor off, and no second message follows.
    if monitor_running; then switch_left_on=$((switch_left_on + 1)); fi
    if [ -n "$(message_windows)" ]; then
        stacked=$((stacked + 1))
        for w in $(message_windows); do xdotool windowfocus --sync "$w" 2>/dev/null || true; xdotool key Return; done
    fi
    (( messages == 1 )) && rss_after_first=$(resident_kb "$window_pid")
    if switch_monitor_on; then restarts=$((restarts + 1)); else restart_failed=$((restart_failed + 1)); fi
done

requests=$(( $(unit_requests) - requests_start ))
rss_end=$(resident_kb "$window_pid")
elapsed=$((SECONDS - start))
kinds=""
for kind in silence drop noise delay split; do kinds+=" $kind ${by_kind[$kind]:-0},"; done

echo "Monitoring soak of the qm4417 window, ${elapsed} s, simulated unit at 9600,e,8,1 (display $DISPLAY)"
echo "  readings:                $((requests - failed_requests)) ($(awk -v n=$((requests - failed_requests)) -v s=$elapsed 'BEGIN { printf "%.1f", n / s }')/s)"
echo "  faults injected:         $faults (${kinds%,} )"
echo "  failures (due by fault): $failures_seen ($expected_failures)"
echo "  messages shown:          $messages (stacked or repeated: $stacked, without a failure due: $unexpected_messages, failures without one: $missing_messages)"
echo "  switch left on after a message: $switch_left_on"
echo "  monitor restarted:       $restarts of $failures_seen (restart failed: $restart_failed)"
steady=""
[ -n "$rss_after_first" ] && steady=" (from after the first message on: $((rss_end - rss_after_first)) kB)"
echo "  resident memory:         start $rss_start kB, after the first message ${rss_after_first:-none} kB, end $rss_end kB, growth $((rss_end - rss_start)) kB$steady"
echo "  $(machine_load)"
ok=1
(( messages == expected_failures && stacked == 0 && unexpected_messages == 0 && missing_messages == 0 )) || ok=0
(( switch_left_on == 0 && restart_failed == 0 && rss_end - rss_start < 1024 )) || ok=0
echo "  goals (one message a failure, switch off, clean restart, growth < 1024 kB): $( ((ok)) && echo met || echo MISSED)"
