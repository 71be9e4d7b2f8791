#!/usr/bin/env bash
# Puts Debian's ser2net in front of a serial device on a free TCP port of 127.0.0.1 (or on
# PORT), with a configuration file of its own; prints the port once ser2net listens, and runs
# until it is ended (SIGTERM ends ser2net with it) or ser2net ends.
#   tools/ser2net-front.sh DEVICE ACCEPTER LINE [PORT]
#   e.g. tools/ser2net-front.sh /dev/pts/3 'telnet(rfc2217),tcp' 9600e81   (or ACCEPTER tcp)
set -uo pipefail
[ $# -ge 3 ] || { echo "usage: $0 DEVICE ACCEPTER LINE [PORT]" >&2; exit 2; }
device=$1 accepter=$2 line=$3
command -v ser2net >/dev/null || { echo "ser2net is not installed (tools/install-deps.sh)" >&2; exit 1; }
config=$(mktemp /tmp/ser2net-front-XXXXXX.yaml)
server=""
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -f "$config"; exit 0' TERM INT
trap 'rm -f "$config"' EXIT

# TCP ports listening on this machine, in hexadecimal as /proc/net/tcp{,6} keep them.
listens() {
    awk 'NR > 1 && $4 == "0A" { split($2, a, ":"); print a[2] }' /proc/net/tcp /proc/net/tcp6 |
        grep -qx "$(printf '%04X' "$1")"
}

for _ in 1 2 3; do
    port=${4:-$((20000 + RANDOM % 40000))}
    [ -z "${4:-}" ] && listens "$port" && continue
    cat >"$config" <<YAML
%YAML 1.1
---
connection: &line
    accepter: $accepter,127.0.0.1,$port
    enable: on
    connector: serialdev,$device,$line,local
YAML
    # -d keeps it in the foreground, its messages on standard error.
    ser2net -n -d -c "$config" &
    server=$!
    for _ in $(seq 50); do
        listens "$port" && { echo "$port"; wait "$server"; exit $?; }
        kill -0 "$server" 2>/dev/null || break
        sleep 0.1
    done
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    server=""
done
echo "ser2net did not listen" >&2
exit 1
