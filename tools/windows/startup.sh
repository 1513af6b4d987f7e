#!/usr/bin/env bash
# Start-up time of the Windows build under Wine, from exec to its main window mapped, against a
# bare Qt Widgets window built the same way and started from the same folder, in one run (runs
# alternate). Prints the medians and their ratio. Needs tools/windows/build.sh first.
#   tools/windows/startup.sh [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
. "$here/tools/windows/wine.sh"
. "$here/tools/windows/sdk.sh"
runs=${1:-11}
build=$here/build-windows
[ -f "$build/dist/bin/tesmara.exe" ] && sdk_ready ||
    { echo "startup.sh: build the Windows programs first (tools/windows/build.sh)" >&2; exit 1; }

install_packages libxcb1-dev
bare=$build/bare-qt-window
cmake -S "$here/../shared/bench/bare-qt-window" -B "$bare" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$here/tools/windows/mingw64-toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTESMARA_WINDOWS_SDK:PATH="$sdk_dir" -DCMAKE_PREFIX_PATH="$sdk_dir" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
cmake --build "$bare" >/dev/null
timer=$build/map_timer
cc -O2 -o "$timer" -x c++ "$here/bench/map_timer.cpp" -lxcb -lstdc++

wine_session
# Both programs start from one copy of the installed tree, with the same DLLs and plugins.
cp -r "$build/dist" "$work/dist"
x86_64-w64-mingw32-strip -o "$work/dist/bin/bare_qt_window.exe" "$bare/bare_qt_window.exe"
cd "$work/dist/bin"
# The first start of each fills the file cache, and the program's copies its sample units.
"$timer" "$wine" tesmara.exe >/dev/null
"$timer" "$wine" bare_qt_window.exe >/dev/null
results=()
bareResults=()
for _ in $(seq "$runs"); do
    results+=("$("$timer" "$wine" tesmara.exe)")
    bareResults+=("$("$timer" "$wine" bare_qt_window.exe)")
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[1], v[NR] }'; }
read -r ms msMin msMax < <(printf '%s\n' "${results[@]}" | awk '{ print $1 }' | median)
read -r bareMs _ _ < <(printf '%s\n' "${bareResults[@]}" | awk '{ print $1 }' | median)
echo "Wine, runs $runs: tesmara.exe median ${ms} ms (min ${msMin}, max ${msMax})"
echo "bare Qt window median ${bareMs} ms  ratio $(awk -v a="$ms" -v b="$bareMs" 'BEGIN { printf "%.2f", a / b }')"
