#!/usr/bin/env bash
# Opens every window of the program on the screens schools have and fails when a control lies
# outside the free area, is cut, or lies over a group's caption: each tests/app/screens/NAME.json
# is one screen's free area in logical pixels (the task bar and a window's title bar taken off)
# and its scale. It runs once with the fonts installed (IPA's) and once more with Noto Sans CJK as
# the only Japanese font, when Noto is installed.
#   tools/check-window-fit.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
check="${1:?the build folder}/tests/app/window_fit_check"
fonts=(installed)
[ -d /usr/share/fonts/opentype/noto ] && fonts+=("$here/tests/app/screens/noto-only.conf")
status=0
for font in "${fonts[@]}"; do
    for screen in "$here"/tests/app/screens/*.json; do
        echo "== $(basename "$screen" .json), fonts: $(basename "$font")"
        if [ "$font" = installed ]; then
            QT_QPA_PLATFORM="offscreen:configfile=$screen" "$check" || status=1
        else
            FONTCONFIG_FILE="$font" QT_QPA_PLATFORM="offscreen:configfile=$screen" "$check" || status=1
        fi
    done
done
exit $status
