#!/usr/bin/env bash
# Start-up time of the program, from exec to its main window mapped, and its resident memory,
# measured on a private Xvfb screen (1024 × 768), against a bare Qt Widgets window timed the same
# way in the same run (runs alternate). Prints the medians and their ratio.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build-release}" && pwd)"
runs="${2:-21}"
program="$build/src/app/tesmara"
[ -x "$program" ] || { echo "startup.sh: build $program first (./run.sh builds it)" >&2; exit 1; }

bare_source="$here/../shared/bench/bare-qt-window"
bare="$build/bare-qt-window/bare_qt_window"
if [ ! -x "$bare" ]; then
    cmake -S "$bare_source" -B "$build/bare-qt-window" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build/bare-qt-window" >/dev/null
fi

timer="$build/map_timer"
cc -O2 -o "$timer" -x c++ "$here/bench/map_timer.cpp" -lxcb -lstdc++

display=:77
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done

work=$(mktemp -d)
cp -r "$here/DATA" "$work/DATA"
cp "$here/DATA/Index.ini" "$work/Index.ini"
cd "$work"
export DISPLAY=$display XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"
unset QT_QPA_PLATFORM
"$timer" "$program" >/dev/null  # warm the file cache
"$timer" "$bare" >/dev/null
results=()
bareResults=()
for _ in $(seq "$runs"); do
    results+=("$("$timer" "$program")")
    bareResults+=("$("$timer" "$bare")")
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[1], v[NR] }'; }
read -r ms msMin msMax < <(printf '%s\n' "${results[@]}" | awk '{ print $1 }' | median)
read -r kb _ _ < <(printf '%s\n' "${results[@]}" | awk '{ print $2 }' | median)
read -r bareMs _ _ < <(printf '%s\n' "${bareResults[@]}" | awk '{ print $1 }' | median)
echo "runs $runs  median start ${ms} ms (min ${msMin}, max ${msMax})  median resident $((kb / 1024)) MB"
echo "bare Qt window median ${bareMs} ms  ratio $(awk -v a="$ms" -v b="$bareMs" 'BEGIN { printf "%.2f", a / b }')"
rm -rf "$work"
