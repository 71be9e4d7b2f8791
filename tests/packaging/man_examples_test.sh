#!/usr/bin/env bash
# Runs every example of the manual pages, so that a page cannot drift from its program.
#   man_examples_test.sh PAGES_FOLDER [--program PATH]... [--file NAME=PATH]... [--env NAME=VALUE]...
#
# An example is a line of a .nf/.fi block under ".SH EXAMPLES" (a line ending in "\e" goes on
# in the next one); roff requests (lines starting with ".") are not examples, and "\-", "\e",
# "\(aq" and font escapes are read as the shell would see the text on the printed page.
# Each page's examples run in order, each line on its own in "bash -e" (as a shell runs it,
# without pipefail), in a fresh folder that is the current folder, HOME, XDG_CONFIG_HOME,
# XDG_DATA_HOME and XDG_RUNTIME_DIR, with QT_QPA_PLATFORM=offscreen and the --program files
# first on PATH. "/tmp/" in an example
# means that folder's tmp/, so runs never meet. --file puts NAME in the folder (a file an example
# names, such as a module or a form); --env sets a variable for every example.
# A line ending in "&" starts a program in the background; when it names "--link PATH" or
# "--control PATH", the next line waits until those exist. Such programs are stopped (SIGTERM) once the page is done and must
# end with 0 or by that signal. A line after the comment line
#     .\" example: runs until stopped
# (a window) runs for a few seconds and is then stopped; it fails only when it ended on its own
# with a failure. Every other line must exit 0.
set -uo pipefail
pages=$1
shift
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir "$root/bin"
files=()
environment=()
while [ $# -gt 0 ]; do
    case $1 in
        --program) ln -s "$2" "$root/bin/$(basename "$2")" ;;
        --file) files+=("$2") ;;
        --env) environment+=("$2") ;;
        *) echo "usage: man_examples_test.sh PAGES_FOLDER [--program P] [--file N=P] [--env N=V]"
           exit 2 ;;
    esac
    shift 2
done
stop_after=3
failed=0

# "KIND LINE COMMAND" a line, KIND fg, bg or window.
examples() {
    awk '
        /^\.SH / { inside = ($0 ~ /^\.SH EXAMPLES/); block = 0; next }
        !inside { next }
        /^\.nf/ { block = 1; next }
        /^\.fi/ { block = 0; next }
        /^\.\\" example: runs until stopped/ { window = 1; next }
        /^\./ { next }
        !block || /^[[:space:]]*$/ { next }
        {
            text = $0
            gsub(/\\f[BIRP]/, "", text); gsub(/\\-/, "-", text); gsub(/\\\(aq/, "\047", text)
            gsub(/\\e/, "\\", text)
            if (pending != "") { text = pending " " text; line = first } else { line = NR }
            if (text ~ /\\$/) { pending = substr(text, 1, length(text) - 1); first = line; next }
            pending = ""
            kind = window ? "window" : (text ~ /&[[:space:]]*$/ ? "bg" : "fg")
            window = 0
            printf "%s\t%d\t%s\n", kind, line, text
        }' "$1"
}

# Runs "$@" in the page's folder and environment, in place of the calling (sub)shell.
run() {
    cd "$folder" || exit 1
    exec env HOME="$folder" XDG_CONFIG_HOME="$folder" XDG_DATA_HOME="$folder" \
        XDG_RUNTIME_DIR="$folder/run" QT_QPA_PLATFORM=offscreen PATH="$root/bin:$PATH" \
        "${environment[@]}" "$@"
}

wait_for_path() {  # at most 10 s
    for _ in $(seq 100); do
        [ -e "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

for page in "$pages"/*.[1-8]; do
    name=$(basename "$page")
    folder="$root/$name"
    mkdir -p "$folder/tmp" "$folder/run"
    chmod 700 "$folder/run"
    for file in "${files[@]}"; do cp "${file#*=}" "$folder/${file%%=*}"; done
    background=()
    while IFS=$'\t' read -r kind line command; do
        command=${command//\/tmp\//$folder/tmp/}
        case $kind in
            fg)
                (run bash -e -c "$command") >"$folder/out" 2>&1
                status=$?
                ;;
            bg)
                # The subshell becomes the program, so that its id is the program's.
                (run bash -c "exec ${command%&*}") >"$folder/background-$line" 2>&1 &
                background+=("$!:$line")
                status=0
                rest=$command
                while [[ $rest =~ --(link|control)[[:space:]]+([^[:space:]]+)(.*) ]]; do
                    wait_for_path "${BASH_REMATCH[2]}" || status=1
                    rest=${BASH_REMATCH[3]}
                done
                ;;
            window)
                (run timeout -s TERM "$stop_after" bash -c "exec $command") >"$folder/out" 2>&1
                status=$?
                [ "$status" -eq 124 ] && status=0
                ;;
        esac
        if [ "$status" -ne 0 ]; then
            echo "FAIL: $name line $line: $command (exit $status)"
            sed 's/^/    /' "$folder/out" 2>/dev/null
            failed=1
        fi
    done < <(examples "$page")
    for started in "${background[@]}"; do
        pid=${started%%:*}
        kill -TERM "$pid" 2>/dev/null
        wait "$pid"
        status=$?
        if [ "$status" -ne 0 ] && [ "$status" -ne 143 ]; then
            echo "FAIL: $name line ${started#*:}: the background program ended with $status"
            sed 's/^/    /' "$folder/background-${started#*:}"
            failed=1
        fi
    done
done
exit $failed
