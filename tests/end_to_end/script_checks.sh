# Sourced by the end-to-end scripts: checks that count failures, and a bounded wait.
failures=0

check() {  # check WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}
wait_for() {  # wait_for TEST...: at most 5 s
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
has_lines() {  # has_lines FILE N: FILE holds N lines or more (for wait_for, which calls it anew)
    [ "$(wc -l <"$1")" -ge "$2" ]
}
