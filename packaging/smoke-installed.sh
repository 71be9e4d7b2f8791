#!/usr/bin/env bash
# Smoke of the installed packages: runs the programs from /usr in a scratch folder outside the
# source tree, with a fresh home, as a user of the machine would, and builds a small CMake
# program against the installed widget packages.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
forms=$here/smoke
work=$(mktemp -d /tmp/qm-smoke-XXXXXX)
sim=""
server=""
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen PATH=/usr/bin:/bin
unset XDG_DATA_DIRS LD_LIBRARY_PATH
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fail() { echo "smoke: FAILED: $*" >&2; exit 1; }
step() { echo "smoke: $*"; }

multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
module=/usr/lib/$multiarch/tumbler/components/libtumbler.so

step "programs are the installed ones and find their libraries"
for program in qm4417 qm4417ctl kv3907-sim tumbler-container regctl tumbler-render; do
    [ "$(command -v $program)" = /usr/bin/$program ] || fail "$program is not /usr/bin/$program"
    ! ldd /usr/bin/$program | grep 'not found' || fail "$program misses a library"
done
! ldd "$module" | grep 'not found' || fail "the module misses a library"

step "qm4417ctl against the installed simulator"
kv3907-sim --link "$work/kv3907" --control "$work/kv3907.ctl" < /dev/null > "$work/sim.out" &
sim=$!
for _ in $(seq 50); do [ -e "$work/kv3907.ctl" ] && [ -e "$work/kv3907" ] && break; sleep 0.1; done
[ -e "$work/kv3907" ] || fail "kv3907-sim made no link"
ctl() { qm4417ctl --port "$work/kv3907" --line 9600,e,8,1 "$@"; }
printf '1\r\n1\r\n10\r\n500\r\n3\r\n18\r\n13398\r\n' > unit.par
ctl load unit.par
ctl verify unit.par
[ "$(ctl read FFEF2E 7)" = "$(ctl read FFEF2E 7)" ] || fail "two reads differ"
ctl read FFEF2E 7 | grep -q . || fail "read printed nothing"
ctl upload back.par
cmp unit.par back.par || fail "uploaded file differs from the loaded one"

step "qm4417ctl through a device server: ser2net with RFC 2217 in front of the simulator"
# ser2net is set for another line; the installed link sets 9600,e,8,1 through RFC 2217.
PATH=/usr/sbin:$PATH "$here/../tools/ser2net-front.sh" "$(head -n1 "$work/sim.out")" \
    'telnet(rfc2217),tcp' 19200n81 > "$work/ser2net.port" 2> "$work/ser2net.log" &
server=$!
for _ in $(seq 50); do [ -s "$work/ser2net.port" ] && break; sleep 0.1; done
[ -s "$work/ser2net.port" ] || fail "ser2net did not listen: $(cat "$work/ser2net.log")"
qm4417ctl --port "rfc2217://127.0.0.1:$(cat "$work/ser2net.port")" --line 9600,e,8,1 \
    upload net.par
cmp unit.par net.par || fail "the file uploaded through RFC 2217 differs from the loaded one"
kill "$server" && wait "$server" 2>/dev/null || true
server=""

step "qm4417 opens the simulator and keeps its files in the user's data folder"
qm4417ctl ports set COM1 "$work/kv3907"
status=0
timeout 5 qm4417 2> qm4417.err || status=$?
[ "$status" -eq 124 ] || fail "qm4417 ended by itself ($status): $(cat qm4417.err)"
[ -d "$XDG_DATA_HOME/QM4417/Parameter" ] || fail "no Parameter folder in the data folder"
[ ! -e /usr/bin/Parameter ] || fail "qm4417 made /usr/bin/Parameter"
echo quit > "$work/kv3907.ctl"
wait "$sim" || fail "kv3907-sim ended with an error"
sim=""

step "the control comes from the system class registry"
list=$(regctl list)
echo "$list"
grep -q "Tumbler.TumblerCtrl.1  \"Quill Switch Control\"  $module  system\$" <<< "$list" ||
    fail "regctl list does not show the control from the system registry"
[ ! -e "$XDG_DATA_HOME/quill-components" ] || fail "reading made a per-user registry"
regctl props Tumbler.TumblerCtrl.1 | grep -q '^8 Ver = "1.10 Bata1"$' || fail "regctl props"
regctl typelib '{9C681F64-7D55-11D4-8DB5-004005399797}' 1.0 | grep -q TumblerLib ||
    fail "the type library is not found"
tumbler-container --create Tumbler.TumblerCtrl.1 --screenshots shots
[ "$(ls shots/*.png | wc -l)" -ge 3 ] || fail "tumbler-container saved no pictures"

step "per-user registration still works and comes first"
regctl register "$module"
regctl list | grep -q "Tumbler.TumblerCtrl.1 .* user\$" || fail "per-user entry not listed first"
regctl unregister "$module"
regctl list | grep -q "Tumbler.TumblerCtrl.1 .* system\$" || fail "system entry gone after unregister"

step "a form with the switch through the installed Designer plugin"
dump=$(tumbler-switch-panel --form "$forms/switch-form.ui" --dump)
echo "$dump"
[ "$(grep -c . <<< "$dump")" -eq 1 ] || fail "expected one switch in the form"
status=0
tumbler-switch-panel --form "$forms/plain-form.ui" --dump > /dev/null || status=$?
[ "$status" -eq 1 ] || fail "a form without a switch ended with $status, not 1"

step "a CMake program on the installed widget, with no Designer library"
cp -r "$forms/switch_program" "$work/program"
cmake -S "$work/program" -B "$work/program/build" > "$work/program.log" 2>&1 &&
    cmake --build "$work/program/build" >> "$work/program.log" 2>&1 ||
    { cat "$work/program.log" >&2; fail "the program did not build against the installed packages"; }
program="$work/program/build/switch-smoke"
libraries=$(ldd "$program")
echo "$libraries"
# /lib is /usr/lib on a merged /usr.
grep -qE "libtumbler_widget.so.1 => (/usr)?/lib/$multiarch/libtumbler_widget.so.1 " <<< "$libraries" ||
    fail "the program does not run on the installed widget library"
! grep -E 'Designer|UiTools|UiPlugin|not found' <<< "$libraries" ||
    fail "the program needs a Designer library or misses one"
dump=$("$program" --dump)
echo "$dump"
[ "$(grep -c '^shape[0-6] S[0-6] 1$' <<< "$dump")" -eq 7 ] || fail "a click did not turn a switch on"
[ "$(grep -c '^shape[0-6] on$' <<< "$dump")" -eq 7 ] || fail "a click was not told as a toggle"

step "a QML program on the installed module: no import path, no Qt Widgets"
qml_module=/usr/lib/$multiarch/qt6/qml/Norvikon/Tumbler
plugin=$qml_module/libnorvikon_tumbler_plugin.so
[ -s "$qml_module/qmldir" ] && [ -s "$plugin" ] || fail "Norvikon.Tumbler is not in Qt's QML folder"
! ldd "$plugin" | grep -E 'Widgets|not found' || fail "the QML module needs Qt Widgets or misses a library"
status=0
LD_DEBUG=files QT_QUICK_BACKEND=software /usr/lib/qt6/bin/qmltestrunner \
    -input "$forms/tumbler_switch_installed.qml" > qmltest.out 2> qmltest.libs || status=$?
cat qmltest.out
[ "$status" -eq 0 ] || fail "the QML test of the installed module failed ($status)"
grep -q "file=$plugin " qmltest.libs || fail "the QML test did not load the installed module"
! grep -q 'file=[^ ]*libQt6Widgets' qmltest.libs || fail "a QML program loaded Qt Widgets for the switch"
status=0
timeout 5 /usr/lib/qt6/bin/qml /usr/share/doc/qml6-module-norvikon-tumbler/examples/panel.qml \
    2> panel.err || status=$?
[ "$status" -eq 124 ] || fail "qml ended the example panel by itself ($status): $(cat panel.err)"

step "the widget's reference"
"$here/check-reference.sh" /usr/share/doc/libtumbler-widget-dev/html
[ -s /usr/share/doc/libtumbler-widget-dev/html/jquery.js ] || fail "the reference's jquery.js does not resolve"

step "manual pages, desktop entries and icons"
for page in qm4417 qm4417ctl kv3907-sim regctl tumbler-container tumbler-render \
    tumbler-switch-panel; do
    [ "$(man -w $page)" = /usr/share/man/man1/$page.1.gz ] || fail "man -w $page"
done
[ "$(man -w 5 qm4417-par)" = /usr/share/man/man5/qm4417-par.5.gz ] || fail "man -w 5 qm4417-par"
desktop-file-validate /usr/share/applications/qm4417.desktop
desktop-file-validate /usr/share/applications/tumbler-container.desktop
for icon in 48x48/apps/qm4417.png scalable/apps/qm4417.svg 48x48/apps/tumbler-container.png; do
    [ -s /usr/share/icons/hicolor/$icon ] || fail "missing icon $icon"
done
step "all passed"
