#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, configures a Release build of the program and
# the exporter in build-pkg/, runs cpack and prints the path of tesmara_*.deb.
# Install it with: sudo apt-get install ./build-pkg/tesmara_*.deb
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/install-deps.sh"

# cpack's Debian generator reads the binaries with file and computes their dependencies with
# dpkg-shlibdeps (dpkg-dev).
missing=()
for p in dpkg-dev file; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build="${TESMARA_PACKAGE_BUILD:-$here/build-pkg}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DTESMARA_TESTS=OFF -DTESMARA_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/tesmara_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/tesmara_*.deb
