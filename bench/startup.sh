#!/usr/bin/env bash
# Start-up time of the program, from exec to its main window mapped, and its resident memory,
# measured on a private Xvfb screen (1024 × 768), against two bare Qt Widgets windows timed the
# same way in the same run: the shared Latin one and its copy with Japanese texts
# (bench/bare-qt-window-ja), whose first paint needs a Japanese font as the program's does. Runs
# alternate (program, Latin, Japanese). Prints the medians and the program's ratios to both; the
# processor time used until the window is mapped is given too, since it moves less than the clock
# when other work shares the machine.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build-release}" && pwd)"
runs="${2:-21}"
program="$build/src/app/tesmara"
[ -x "$program" ] || { echo "startup.sh: build $program first (./run.sh builds it)" >&2; exit 1; }

# Builds a bare window's source in Release below the build folder; prints the executable.
build_bare() {
    local source=$1 name=$2
    cmake -S "$source" -B "$build/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build/$name" >/dev/null
    echo "$build/$name/${name//-/_}"
}
bare=$(build_bare "$here/../shared/bench/bare-qt-window" bare-qt-window)
bareJa=$(build_bare "$here/bench/bare-qt-window-ja" bare-qt-window-ja)

timer="$build/map_timer"
cc -O2 -o "$timer" -x c++ "$here/bench/map_timer.cpp" -lxcb -lstdc++

# A display of its own, so that another run or a screenshot at the same time does not share it.
display=
for n in $(seq 77 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }
done
[ -n "$display" ] || { echo "startup.sh: no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done

cp -r "$here/DATA" "$work/DATA"
cp "$here/DATA/Index.ini" "$work/Index.ini"
cd "$work"
export DISPLAY=$display XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"
unset QT_QPA_PLATFORM
for exe in "$program" "$bare" "$bareJa"; do
    "$timer" "$exe" >/dev/null  # warm the file cache
done
results=()
bareResults=()
bareJaResults=()
for _ in $(seq "$runs"); do
    results+=("$("$timer" "$program")")
    bareResults+=("$("$timer" "$bare")")
    bareJaResults+=("$("$timer" "$bareJa")")
done

# "median min max" of one column (1: milliseconds, 2: resident kB, 3: processor milliseconds) of
# the given results.
median() {
    local column=$1
    shift
    printf '%s\n' "$@" | awk -v c="$column" '{ print $c }' | sort -n |
        awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[1], v[NR] }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
read -r ms msMin msMax < <(median 1 "${results[@]}")
read -r kb _ _ < <(median 2 "${results[@]}")
read -r cpu _ _ < <(median 3 "${results[@]}")
read -r bareMs _ _ < <(median 1 "${bareResults[@]}")
read -r bareKb _ _ < <(median 2 "${bareResults[@]}")
read -r bareCpu _ _ < <(median 3 "${bareResults[@]}")
read -r bareJaMs _ _ < <(median 1 "${bareJaResults[@]}")
read -r bareJaKb _ _ < <(median 2 "${bareJaResults[@]}")
read -r bareJaCpu _ _ < <(median 3 "${bareJaResults[@]}")
echo "runs $runs  median start ${ms} ms (min ${msMin}, max ${msMax}, processor ${cpu} ms)" \
    " median resident $(mb "$kb") MB"
echo "bare Qt window           median ${bareMs} ms (processor ${bareCpu} ms)  $(mb "$bareKb") MB" \
    " ratio time $(ratio "$ms" "$bareMs")  memory $(ratio "$kb" "$bareKb")" \
    " processor $(ratio "$cpu" "$bareCpu")"
echo "bare Qt window, Japanese median ${bareJaMs} ms (processor ${bareJaCpu} ms)  $(mb "$bareJaKb") MB" \
    " ratio time $(ratio "$ms" "$bareJaMs")  memory $(ratio "$kb" "$bareJaKb")" \
    " processor $(ratio "$cpu" "$bareJaCpu")"
