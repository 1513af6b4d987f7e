#!/usr/bin/env bash
# Opens every window of the program on the screens schools have and fails when a control lies
# outside the free area or is cut: each tests/app/screens/NAME.json is one screen's free area in
# logical pixels (the task bar and a window's title bar taken off) and its scale.
#   tools/check-window-fit.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
check="${1:?the build folder}/tests/app/window_fit_check"
status=0
for screen in "$here"/tests/app/screens/*.json; do
    echo "== $(basename "$screen" .json)"
    QT_QPA_PLATFORM="offscreen:configfile=$screen" "$check" || status=1
done
exit $status
