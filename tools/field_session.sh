# Shared by the field benchmarks and the window's field tests (sourced, not run): the real
# qm4417 under Xvfb on the simulated unit, driven with real X input, and the figures read from
# /proc.
#
# Options every field session takes: --seconds N, --display :N (run its Xvfb on that
# display, else on a free one), --build DIR (default: build/ of the repository).

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
display=""
started_pids=()

# Takes the options every field benchmark takes; `seconds` keeps the caller's default
# unless --seconds is given.
parse_options() {
    while [ $# -gt 0 ]; do
        case "$1" in
            --seconds) seconds=$2 ;;
            --display) display=$2 ;;
            --build) build=$2 ;;
            *) echo "usage: $0 [--seconds N] [--display :N] [--build DIR]" >&2; exit 2 ;;
        esac
        shift 2
    done
}

finish_session() {
    local pid
    for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${started_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    [ -n "${work:-}" ] && rm -rf "$work"
}

start_session() {
    for program in tools/unit_sim/kv3907-sim tools/qm4417/qm4417 tools/qm4417ctl/qm4417ctl; do
        [ -x "$build/$program" ] || { echo "missing $build/$program (build it first)" >&2; exit 1; }
    done
    for tool in Xvfb xdotool; do
        command -v $tool >/dev/null || { echo "missing $tool (tools/install-deps.sh)" >&2; exit 1; }
    done
    work=$(mktemp -d "${TMPDIR:-/tmp}/qm4417-field.XXXXXX")
    trap finish_session EXIT
    export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    if [ -n "$display" ]; then
        Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        started_pids+=($!)
        export DISPLAY=$display
    else
        Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.display" 2>"$work/xvfb.log" &
        started_pids+=($!)
        for _ in $(seq 50); do [ -s "$work/xvfb.display" ] && break; sleep 0.1; done
        export DISPLAY=":$(head -n1 "$work/xvfb.display")"
    fi
    for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
    export QT_QPA_PLATFORM=xcb
}

# start_unit NAME [--listen PORT]: a simulated unit pacing 9600,e,8,1 at $work/NAME, or on TCP
# (its tcp:// name is then the first line of $work/NAME.out), control FIFO NAME.ctl.
start_unit() {
    local line=(--link "$work/$1")
    [ $# -gt 1 ] && line=("${@:2}")
    "$build/tools/unit_sim/kv3907-sim" --line 9600,e,8,1 --speed 1500 "${line[@]}" \
        --control "$work/$1.ctl" >"$work/$1.out" </dev/null 2>&1 &
    started_pids+=($!)
    unit_pid=$!
    unit_name=$1
    for _ in $(seq 50); do [ -s "$work/$1.out" ] && break; sleep 0.1; done
    [ -s "$work/$1.out" ] || { echo "the simulated unit did not start" >&2; exit 1; }
}

unit_control() { echo "$*" >"$work/$unit_name.ctl"; }

# Requests the unit has answered so far.
unit_requests() {
    local lines
    lines=$(wc -l <"$work/$unit_name.out")
    unit_control status
    for _ in $(seq 50); do
        [ "$(wc -l <"$work/$unit_name.out")" -gt "$lines" ] && break
        sleep 0.02
    done
    tail -n1 "$work/$unit_name.out" | sed -n 's/.*requests=\([0-9]*\).*/\1/p'
}

# The window on COM1 -> the unit, or -> NAME (a network line) when given; sets window_pid
# and window_id.
start_window() {
    "$build/tools/qm4417ctl/qm4417ctl" ports set COM1 "${1:-$work/$unit_name}" >/dev/null
    "$build/tools/qm4417/qm4417" >"$work/qm4417.log" 2>&1 &
    started_pids+=($!)
    window_pid=$!
    window_id=""
    for _ in $(seq 100); do
        window_id=$(xdotool search --all --pid "$window_pid" --name "KV3907P410 SETUP PROG." 2>/dev/null | head -n1 || true)
        [ -n "$window_id" ] && break
        sleep 0.1
    done
    [ -n "$window_id" ] || { echo "the QM4417 window did not appear" >&2; exit 1; }
    sleep 0.5
}

# boxes TITLE: the window's boxes with that title that are up, an id a line.
boxes() { xdotool search --all --onlyvisible --pid "$window_pid" --name "$1" 2>/dev/null || true; }
# shown TITLE: how many of them.
shown() { boxes "$1" | wc -l; }
failure_title="QM4417 Error!"
message_up() { [ "$(shown "$failure_title")" -ge 1 ]; }
message_gone() { [ "$(shown "$failure_title")" -eq 0 ]; }
# Answers the failure box with Return.
answer_message() {
    xdotool windowfocus --sync "$(boxes "$failure_title" | head -n1)" 2>/dev/null
    xdotool key Return
}

stop_window() {
    kill "$window_pid" 2>/dev/null || true
    wait "$window_pid" 2>/dev/null || true
}

# A real click on the Monitor switch: centred, 71 pixels above the window's bottom.
click_monitor_switch() {
    local geometry width height
    geometry=$(xdotool getwindowgeometry --shell "$window_id")
    width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    xdotool mousemove --window "$window_id" $((width / 2)) $((height - 71)) click 1
}

# Whether the unit is being read: its request count moves within a second.
monitor_running() {
    local before
    before=$(unit_requests)
    sleep 1
    [ "$(unit_requests)" != "$before" ]
}

# Turns the monitor on with a click, and clicks again should a click be lost; false
# when it did not start after 5 clicks.
switch_monitor_on() {
    local attempt
    for attempt in 1 2 3 4 5; do
        click_monitor_switch
        sleep 0.3
        monitor_running && return 0
    done
    return 1
}

# Alt+T on the main window; true once "QM4417 Trend" is mapped (its span as stored: the
# session's fresh settings give 1 min).
open_trend() {
    xdotool windowactivate --sync "$window_id" 2>/dev/null || true
    xdotool key alt+t
    for _ in $(seq 50); do
        xdotool search --all --onlyvisible --pid "$window_pid" --name "QM4417 Trend" >/dev/null 2>&1 \
            && return 0
        sleep 0.1
    done
    return 1
}

# Processor time (user + system) of a whole process, all threads, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
resident_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# cpu_percent PID SECONDS: its share of one core over that wall time.
cpu_percent() {
    local before after
    before=$(cpu_ticks "$1")
    sleep "$2"
    after=$(cpu_ticks "$1")
    awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$2" \
        'BEGIN { printf "%.2f", 100 * t / hz / s }'
}

machine_load() { uptime | sed 's/.*load average/load average/'; }

# monitor_figures PID: "<percent of a core> <readings/s>" over $seconds, readings counted by
# the unit.
monitor_figures() {
    local first last percent
    first=$(unit_requests)
    percent=$(cpu_percent "$1" "$seconds")
    last=$(unit_requests)
    echo "$percent $(awk -v n=$((last - first)) -v s="$seconds" 'BEGIN { printf "%.1f", n / s }')"
}
