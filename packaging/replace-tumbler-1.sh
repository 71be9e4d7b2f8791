#!/usr/bin/env bash
# Tumbler's packages replace the single package "tumbler" 1.0.0.2 and live beside Debian's own
# "tumbler" (Xfce's thumbnailer). On a machine with neither installed:
#   1. installs a stand-in of tumbler 1.0.0.2 with that package's files (debian/tumbler-1.0.0.2.files),
#   2. unpacks the packages of FOLDER (default packages/) over it and removes it: its files
#      must now be ours,
#   3. installs Xfce's tumbler from the archive, or says why it cannot and skips this step,
#   4. checks that the packages coexist with our files intact, then removes what step 3 fetched
#      and checks our files once more.
# Our packages stay installed (the smoke runs next; purge-installed.sh removes them).
#   packaging/replace-tumbler-1.sh [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$(cd "${1:-$here/../packages}" && pwd)
work=$(mktemp -d /tmp/replace-tumbler-XXXXXX)
trap 'rm -rf "$work"' EXIT
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
fail() { echo "replace-tumbler-1: FAILED: $*" >&2; exit 1; }
step() { echo "replace-tumbler-1: $*"; }
status() { dpkg-query -W -f='${db:Status-Abbrev}${Version}' "$1" 2>/dev/null || true; }
# dpkg --verify lists each file that differs from its package; nothing listed is intact.
intact() { local out; out=$($sudo dpkg --verify "$@" 2>&1) || true; [ -z "$out" ] || { echo "$out" >&2; false; }; }
installed() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort; }

ours=()
for deb in "$folder"/*.deb; do ours+=("$(dpkg-deb -f "$deb" Package)"); done
[ ${#ours[@]} -gt 0 ] || fail "no packages in $folder"
for package in tumbler "${ours[@]}"; do
    [ -z "$(status "$package")" ] || [[ "$(status "$package")" == un* ]] ||
        fail "$package is installed already ($(status "$package")); this test needs a machine without it"
done

before=$(installed)
step "1. the stand-in of tumbler 1.0.0.2"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
mapfile -t old_files < <(grep -v '^#' "$here/debian/tumbler-1.0.0.2.files" | sed "s/@MULTIARCH@/$multiarch/")
root="$work/tumbler-1.0.0.2"
for path in "${old_files[@]}"; do
    mkdir -p "$root$(dirname "$path")"
    echo "tumbler 1.0.0.2 stand-in" > "$root$path"
done
mkdir -p "$root/DEBIAN"
cat > "$root/DEBIAN/control" <<EOF
Package: tumbler
Version: 1.0.0.2
Architecture: $(dpkg --print-architecture)
Maintainer: QM4417 and Tumbler developers <developers@norvikon.example>
Section: devel
Priority: optional
Description: stand-in of the single Tumbler package 1.0.0.2
 The files of the old package, to check that its successors replace it.
EOF
dpkg-deb --root-owner-group --build "$root" "$work/tumbler_1.0.0.2.deb" > /dev/null
$sudo dpkg -i "$work/tumbler_1.0.0.2.deb" > /dev/null
[ "$(status tumbler)" = "ii 1.0.0.2" ] || fail "the stand-in did not install: $(status tumbler)"

step "2. our packages unpacked over it, then it is removed"
# dpkg unpacks ours while 1.0.0.2 is still installed, as an upgrade from an archive may: each
# file of both must change hands (Replaces), and 1.0.0.2 is only deconfigured (Breaks).
# dpkg ends in error there: it cannot configure the deconfigured 1.0.0.2 again.
$sudo dpkg --auto-deconfigure -i "$folder"/*.deb > "$work/dpkg.log" 2>&1 || true
$sudo dpkg --remove tumbler > "$work/remove.log" 2>&1 || { cat "$work/remove.log" >&2; fail "dpkg --remove"; }
for package in "${ours[@]}"; do
    [[ "$(status "$package")" == ii* ]] ||
        { cat "$work/dpkg.log" >&2; fail "$package is not installed: $(status "$package")"; }
done
[[ "$(status tumbler)" != ii* ]] || fail "tumbler 1.0.0.2 is still installed"
taken=0
for path in "${old_files[@]}"; do
    owner=$(dpkg-query -S "$path" 2>/dev/null | cut -d: -f1 || true)
    [ -n "$owner" ] || continue  # a file the new packages no longer have (a renamed one)
    [[ " ${ours[*]} " == *" $owner "* ]] || fail "$path belongs to $owner"
    ! grep -q "stand-in" "$path" || fail "$path still holds the old package's content"
    taken=$((taken + 1))
done
[ "$taken" -gt 0 ] || fail "no file of tumbler 1.0.0.2 was taken over"
echo "  $taken of ${#old_files[@]} files of tumbler 1.0.0.2 now belong to: ${ours[*]}"
intact "${ours[@]}" || fail "our files differ from the packages"

step "3. Xfce's tumbler from the archive"
if ! $sudo apt-get install -y -qq --no-install-recommends tumbler > "$work/xfce.log" 2>&1; then
    step "SKIPPED: apt cannot install Xfce's tumbler here:"
    grep -E '^(E|W):' "$work/xfce.log" | head -n 5 >&2 || cat "$work/xfce.log" >&2
    exit 0
fi
fetched=$(comm -13 <(echo "$before") <(installed) | grep -vxF -f <(printf '%s\n' "${ours[@]}") || true)
xfce=$(status tumbler)
if [[ "$xfce" != ii* ]] || ! dpkg --compare-versions "${xfce#ii }" ge 2~; then
    fail "tumbler from the archive is $xfce"
fi

step "4. they coexist"
for package in "${ours[@]}"; do
    [[ "$(status "$package")" == ii* ]] || fail "$package was removed by Xfce's tumbler"
done
intact "${ours[@]}" tumbler || fail "files differ from their packages"
[ "$(dpkg-query -S /usr/bin/regctl | cut -d: -f1)" = tumbler-switch ] || fail "regctl changed hands"
dpkg-query -W -f='  ${Package} ${Version}\n' tumbler "${ours[@]}"
# shellcheck disable=SC2086 # one package a word
$sudo apt-get purge -y -qq $fetched > /dev/null 2>&1 || fail "could not remove what step 3 fetched"
intact "${ours[@]}" || fail "removing Xfce's tumbler touched our files"
step "all passed"
