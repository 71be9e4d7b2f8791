#!/usr/bin/env bash
# Builds the Debian packages of packaging/components.cmake with CPack into packages/ (or FOLDER):
#   tools/package.sh [FOLDER]
# then installs them with: sudo apt-get install ./packages/*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
build="$root/build-package"
out=$(mkdir -p "${1:-$root/packages}" && cd "${1:-$root/packages}" && pwd)
cd "$root"  # dpkg-buildflags maps this folder's paths out of the debug information

# Debian's own compiler and linker flags (hardening), as a Debian build uses them.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
cflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF -DQM_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_C_FLAGS="$cflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
    -DCMAKE_MODULE_LINKER_FLAGS="$ldflags"
cmake --build "$build"

# One run a source: the packages of a source share its version. packages.txt holds a line a
# package: source, version, component, package.
# Also the single "tumbler" package of 1.0.0.2, which the Tumbler packages replace.
for package in $(cut -d' ' -f4 "$build/packages.txt") tumbler; do
    rm -f "$out/${package}"_*.deb
done
for source in $(cut -d' ' -f1 "$build/packages.txt" | sort -u); do
    components=$(awk -v s="$source" '$1 == s { printf "%s%s", sep, $3; sep = ";" }' "$build/packages.txt")
    rm -rf "$build/cpack"
    cpack --config "$build/CPackConfig.cmake" -B "$build/cpack" -D CPACK_COMPONENTS_ALL="$components"
    mv "$build"/cpack/*.deb "$out"/
done
for package in $(cut -d' ' -f4 "$build/packages.txt"); do
    ls -1 "$out/${package}"_*.deb
done
