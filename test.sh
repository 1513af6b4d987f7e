#!/usr/bin/env bash
# Installs what is missing, builds a Debug build with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/install-deps.sh"

build="$here/build-test"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESMARA_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
# The leak checker of GCC 12 sometimes dies scanning a thread's dynamic TLS as the exporter exits
# ("Tracer caught signal 11"); without the TLS interception it never looks there.
export ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0
export LSAN_OPTIONS="suppressions=$here/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1
cd "$build"
ctest --output-on-failure -j"$(nproc)"
