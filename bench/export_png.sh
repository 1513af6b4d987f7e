#!/usr/bin/env bash
# Whole-process time of `tesmara-export --png` on a file of 100 graphs of every kind.
#   bench/export_png.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build-release}" && pwd)"
runs="${2:-21}"
exporter="$build/src/export/tesmara-export"
[ -x "$exporter" ] || { echo "export_png.sh: build $exporter first" >&2; exit 1; }
out=$(mktemp --suffix=.png)
trap 'rm -f "$out"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
"$exporter" --png "$out" "$here/bench/data/hundred.lin"  # warm the file cache
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$exporter" --png "$out" "$here/bench/data/hundred.lin"
    echo $(( ($(date +%s%N) - start) / 1000 ))
done | sort -n | awk '{ v[NR] = $1 } END {
    printf "runs %d  median %.1f ms  (min %.1f, max %.1f)\n", NR, v[int((NR + 1) / 2)] / 1000, v[1] / 1000, v[NR] / 1000 }'
