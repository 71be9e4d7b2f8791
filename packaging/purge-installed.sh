#!/usr/bin/env bash
# Purges the packages made into FOLDER (default packages/) and checks that nothing of theirs
# is left:  packaging/purge-installed.sh [FOLDER]
set -euo pipefail
folder=${1:-$(dirname "$0")/../packages}
packages=()
for deb in "$folder"/*.deb; do packages+=("$(dpkg-deb -f "$deb" Package)"); done
[ ${#packages[@]} -gt 0 ] || { echo "purge: no packages in $folder" >&2; exit 1; }
files=$(mktemp)
trap 'rm -f "$files"' EXIT
dpkg-query -L "${packages[@]}" > "$files"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq "${packages[@]}"
left=0
for package in "${packages[@]}"; do
    if dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -qv 'not-installed'; then
        echo "purge: $package is still known to dpkg" >&2
        left=1
    fi
done
# Folders shared with other packages stay; every file and folder of ours must be gone.
while read -r path; do
    [ "$path" != /. ] || continue  # the root, listed by a package dpkg-deb made
    [ -e "$path" ] || [ -L "$path" ] || continue
    [ -d "$path" ] && ! [ -L "$path" ] && dpkg-query -S "$path" > /dev/null 2>&1 && continue
    echo "purge: left behind: $path" >&2
    left=1
done < "$files"
[ ! -e /usr/share/quill-components ] || { echo "purge: /usr/share/quill-components left" >&2; left=1; }
[ "$left" -eq 0 ] && echo "purge: nothing of ${packages[*]} is left"
exit "$left"
