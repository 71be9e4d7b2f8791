#!/usr/bin/env bash
# Builds the two Debian packages, qm4417 and tumbler, with CPack, into packages/ (or FOLDER):
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

# One package a run: each carries its own deliverable's version.
rm -f "$out"/qm4417_*.deb "$out"/tumbler_*.deb
for package in qm4417 tumbler; do
    cpack --config "$build/CPackConfig.cmake" -B "$build/cpack" -D CPACK_COMPONENTS_ALL=$package
    mv "$build"/cpack/${package}_*.deb "$out"/
done
ls -1 "$out"/qm4417_*.deb "$out"/tumbler_*.deb
