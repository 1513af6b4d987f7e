#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it in the per-user data
# folder, which is created on the first run and filled with the bundled sample units.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/install-deps.sh"

build="$here/build-release"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESMARA_TESTS=OFF -DTESMARA_BENCH=OFF >/dev/null
cmake --build "$build" --target tesmara tesmara-export -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: there is no display to show the program on (DISPLAY is not set)." >&2
    echo "Start it from a desktop session, or run ./test.sh to build and test without one." >&2
    exit 1
fi

# A graph file named on the command line is found from the folder run.sh was started in.
files=()
for f in "$@"; do
    files+=("$(realpath -m -- "$f")")
done

data="${XDG_DATA_HOME:-$HOME/.local/share}/Tesmara"
if [ ! -d "$data" ]; then
    mkdir -p "$data"
    cp -r "$here/DATA" "$data/DATA"
    cp "$here/DATA/Index.ini" "$data/Index.ini"
fi
cd "$data"
exec "$build/src/app/tesmara" "${files[@]}"
