#!/usr/bin/env bash
# kv3907-sim and qm4417ctl as programs: the simulator's symlink, its control FIFO
# and standard input, qm4417ctl's output and exit codes, clients cut off by their reader or
# killed, load then verify and the time limit under a comma-decimal locale, a CSV monitor cut
# by a silent unit, and a clean end on SIGTERM.
#   programs_test.sh KV3907_SIM QM4417CTL
set -uo pipefail
sim=$1
ctl=$2
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work"
sim_pid=""
finish() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

source "$(dirname "$0")/script_checks.sh"
answered() {  # answered N: the simulator has said "ok" N times
    [ "$(grep -c '^ok$' "$work/sim.out")" -ge "$1" ]
}

version='^kv3907-sim \(QM4417\) [0-9]+\.[0-9]+\.[0-9]+$'
check "simulator version" 1 "$("$sim" --version | grep -cE "$version")"

mkfifo "$work/stdin"
"$sim" --no-pacing --link "$work/unit" --control "$work/control" --position 0x123456 \
    --unit-errors 1 <"$work/stdin" >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
exec 3>"$work/stdin"  # the simulator's standard input, kept open
wait_for test -s "$work/sim.out" || { echo "FAIL: simulator did not start"; cat "$work/sim.err"; exit 1; }
check "control FIFO ready" "yes" "$(test -p "$work/control" && echo yes)"
check "first line is the device" "$(readlink "$work/unit")" "$(head -n1 "$work/sim.out")"

"$ctl" ports set COM1 "$work/unit"
check "monitor" "1193046 123456 U=100 S=00000" "$("$ctl" --line 9600,e,8,1 monitor --count 1)"

echo "sensor-errors 0x11" >"$work/control"  # through the FIFO
echo "position 5" >&3                       # through standard input
wait_for answered 2
check "controls applied" "5 000005 U=100 S=10001" "$("$ctl" monitor --count 1)"

"$ctl" write FFEF34 0x7D1 && "$ctl" write FFEF66 1
check "write exit" 0 $?
check "limit error lit" "5 000005 U=101 S=10001" "$("$ctl" monitor --count 1)"
check "read" "07D1" "$("$ctl" read FFEF34 1)"

echo "fault silence 1" >"$work/control"
wait_for answered 3
"$ctl" read FFEF34 1 >/dev/null 2>"$work/ctl.err"
check "silent unit exit" 1 $?
check "failure words" "Communication Time Out!" "$(head -n1 "$work/ctl.err")"
check "failure cause" "Cause: the unit did not answer in time" "$(sed -n 3p "$work/ctl.err")"
"$ctl" read FFEF34 >/dev/null 2>&1
check "usage exit" 2 $?

echo "status" >&3
wait_for grep -q "^position=5 " "$work/sim.out"
check "status" "position=5 speed=0 unit-errors=0x0005 sensor-errors=0x0011 fault=none requests=6" \
    "$(grep "^position=" "$work/sim.out")"

# A client whose reader went away closes its port; a killed one leaves it to the simulator,
# which gives the terminal back once the client has gone. Later opens work either way.
"$ctl" monitor | head -n 1 >/dev/null
check "monitor cut by its reader" "141" "${PIPESTATUS[0]}"
check "open after a cut monitor" 0 "$("$ctl" monitor --count 1 >/dev/null; echo $?)"
"$ctl" monitor >/dev/null 2>&1 &
ctl_pid=$!
line_set() { [ "$(stty -F "$work/unit" speed 2>&1)" = 9600 ]; }
line_free() { ! line_set; }
wait_for line_set || { echo "FAIL: the monitor never set its line"; failures=$((failures + 1)); }
kill -KILL "$ctl_pid"
wait "$ctl_pid" 2>/dev/null
wait_for line_free || { echo "FAIL: the killed client's settings stayed"; failures=$((failures + 1)); }
check "open after a killed monitor" 0 "$("$ctl" monitor --count 1 >/dev/null; echo $?)"

# A production line's load then verify, in a locale whose decimal mark is a comma.
mkdir -p "$work/locale"
localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8" 2>"$work/localedef.err" ||
    { echo "FAIL: localedef"; cat "$work/localedef.err"; failures=$((failures + 1)); }
german() { env LOCPATH="$work/locale" LC_ALL=de_DE.UTF-8 "$@"; }
check "comma locale" "1,5" "$(german printf '%.1f' 1.5 2>&1)"
printf '1\r\n0\r\n5\r\n1500\r\n2\r\n171\r\n52719\r\n' >"$work/line.par"
german "$ctl" --line 9600,e,8,1 load "$work/line.par" >"$work/load.out" 2>"$work/load.err"
check "load exit" 0 $?
check "load stdout" "Parameter Load Busy...Please Wait!|Load was Complated.|Load commparate." \
    "$(paste -sd'|' "$work/load.out")"
check "load stderr" "" "$(cat "$work/load.err")"
check "preset sent" "00AB CDEF" "$(german "$ctl" read FFEF38 2 | paste -sd' ')"
german "$ctl" verify "$work/line.par" >"$work/verify.out" 2>&1
check "verify after load" "0 " "$? $(cat "$work/verify.out")"
german "$ctl" write FFEF34 1501
german "$ctl" verify "$work/line.par" >"$work/verify.out" 2>"$work/verify.err"
check "verify after a write" "3 PhaseCount file=1500 unit=1501 " \
    "$? $(cat "$work/verify.out") $(cat "$work/verify.err")"
# The limits for slow lines are read with a point, whatever the locale.
check "timeout in a comma locale" "05DD" "$(german "$ctl" --timeout 0.5 --retries 1 read FFEF34 1)"
german "$ctl" --timeout 0,5 read FFEF34 1 >/dev/null 2>"$work/timeout.err"
check "comma timeout refused" "2 qm4417ctl: bad timeout '0,5'" "$? $(head -n1 "$work/timeout.err")"
# Refusals name the field, a file that cannot be read says why, on standard error.
printf '0\r\n0\r\n99\r\n1500\r\n2\r\n0\r\n0\r\n' >"$work/strobe.par"
german "$ctl" load "$work/strobe.par" >"$work/refused.out" 2>"$work/refused.err"
check "field refused" "1|StrobeCycle 99 is not 2, 5 or 10|" \
    "$?|$(cat "$work/refused.err")|$(cat "$work/refused.out")"
printf '0\r\n0\r\n5\r\n1,5\r\n2\r\n0\r\n0\r\n' >"$work/comma.par"
german "$ctl" load "$work/comma.par" >/dev/null 2>"$work/comma.err"
check "reason under the text" \
    "$work/comma.par Can't Read Parameter File|Line 4 is not a whole decimal number: \"1,5\"." \
    "$(paste -sd'|' "$work/comma.err")"
german "$ctl" upload "$work/missing/unit.par" >"$work/upload.out" 2>/dev/null
check "no success without the file" "1 Parameter Upload Busy...Please Wait!" \
    "$? $(cat "$work/upload.out")"

# A CSV log keeps its rows when the unit falls silent, and ends with the failure.
"$ctl" monitor --csv --count 1000 >"$work/csv.out" 2>"$work/csv.err" &
csv_pid=$!
wait_for has_lines "$work/csv.out" 3 || { echo "FAIL: no CSV rows"; failures=$((failures + 1)); }
echo "fault silence" >"$work/control"
wait "$csv_pid"
check "csv exit" 1 $?
check "csv header" "time,position,hex,unit_errors,sensor_errors" "$(head -n1 "$work/csv.out")"
row='^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]{3}Z,5,000005,0x000[0-7],0x0011$'
check "csv rows" "$(($(wc -l <"$work/csv.out") - 1))" "$(grep -cE "$row" "$work/csv.out")"
check "csv row" "5,000005" "$(sed -n 2p "$work/csv.out" | cut -d, -f2,3)"
check "csv failure" "Communication Time Out!" "$(head -n1 "$work/csv.err")"

# Half a second is half a second in a comma locale: an answer 0.8 s late misses it. Last, so
# the late answer meets no other command.
oks=$(grep -c '^ok$' "$work/sim.out")
echo "fault delay 800 1" >"$work/control"
wait_for answered $((oks + 1))
german "$ctl" --timeout 0.5 read FFEF34 1 >/dev/null 2>"$work/late.err"
check "late answer" "1 Cause: the unit did not answer in time" "$? $(sed -n 3p "$work/late.err")"

kill "$sim_pid"
wait "$sim_pid"
check "simulator exit on SIGTERM" 0 $?
sim_pid=""
check "link removed" "" "$(ls "$work/unit" "$work/control" 2>/dev/null)"
check "simulator errors" "" "$(cat "$work/sim.err")"
exit $((failures > 0))
