#!/usr/bin/env bash
# Tests the Windows build (tools/windows/build.sh) under Wine, on a private X screen and in a Wine
# prefix of its own in a temporary folder, so nothing is written into HOME:
#   - the core, drawing and exporter test programs;
#   - a silent install with the installer: files, Start-menu entry, file types, uninstaller;
#   - the installed program started on a sample unit named on its command line, as a double click
#     on the file starts it: a screenshot, its settings in Wine's registry, and the unit it saves,
#     which must be byte for byte what the Linux build saves;
#   - a silent uninstall, which leaves the user's units.
#   tools/windows/check.sh        screenshots and the test programs' output go to TESMARA_SHOTS
#                                 (/tmp/windows-shots by default)
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
. "$here/tools/windows/wine.sh"
build=$here/build-windows
dist=$build/dist
shots=${TESMARA_SHOTS:-/tmp/windows-shots}
installer=$(find "$build" -maxdepth 1 -name 'tesmara-*-setup.exe' 2>/dev/null | head -n 1)
if [ ! -f "$dist/bin/tesmara.exe" ] || [ -z "$installer" ]; then
    echo "check.sh: there is no Windows build; run tools/windows/build.sh first" >&2
    exit 1
fi

install_packages poppler-utils
wine_session
mkdir -p "$shots"
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# pdftotext for the exporter's tests: they name files on Wine's drives, and Wine neither gives
# the Linux program pipes nor waits for it, so the text file is moved into place whole.
cat >"$work/pdftotext" <<'EOF'
#!/bin/bash
set -euo pipefail
args=()
for a in "$@"; do
    if [[ $a =~ ^([A-Za-z]):[\\/](.*)$ ]]; then
        a="$WINEPREFIX/dosdevices/${BASH_REMATCH[1],,}:/${BASH_REMATCH[2]//\\//}"
    fi
    args+=("$a")
done
out=${args[-1]}
args[-1]=$out.part
pdftotext "${args[@]}"
mv "$out.part" "$out"
EOF
chmod +x "$work/pdftotext"

# The test programs load the DLLs and plugins of the installed tree. Wine passes Qt's variables
# (QT_*) to Windows programs only when they are named WINEQT_*.
run_tests() {
    local name=$1
    shift
    local log=$shots/$name.log
    local status=0
    (cd "$build" && WINEPATH="$(winpath "$dist/bin")" WINEQT_PLUGIN_PATH="$(winpath "$dist/bin")" \
        TESMARA_PDFTOTEXT="$(winpath "$work/pdftotext")" \
        timeout 600 "$wine" "$name.exe" "$@" >"$log" 2>&1) || status=$?
    local passed
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log")
    echo "$name: ${passed:-0} passed of $(sed -n 's/^\[==========\] \([0-9]*\) tests\? from.*/\1/p' "$log")"
    if [ "$status" -ne 0 ]; then
        tr -d '\r' <"$log" | grep -E -A8 'Failure$' >&2 || true
        fail "$name (exit status $status)"
    fi
}
run_tests core_tests
# URW Bookman stands in for Bookman Old Style and has no regular weight, only Light and Demi:
# fontconfig takes Light Italic for the formulas' letters, Wine's font mapper Demi Italic, whose
# "x" after a slope's fraction reaches down into the denominator's row.
run_tests render_tests --gtest_filter=-WriteFormulaPanel.SlopeFractionLinesUpByColumn
run_tests export_tests

echo "Installing $(basename "$installer") silently"
"$wine" "$(winpath "$installer")" /S
installed="$WINEPREFIX/drive_c/Program Files/Tesmara"
for file in bin/tesmara.exe bin/tesmara-export.exe bin/platforms/qwindows.dll bin/qt.conf \
    bin/translations/qtbase_ja.qm share/tesmara/Index.ini share/tesmara/DATA/ichiji.lin \
    uninstall.exe; do
    [ -f "$installed/$file" ] || fail "not installed: $file"
done
[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tesmara.lnk" ] ||
    fail "no Start-menu entry"
reg_query() { "$wine" reg query "$@" 2>/dev/null | tr -d '\r'; }
for extension in .lin .cai; do
    reg_query "HKLM\\Software\\Classes\\$extension" | grep -q 'Tesmara.GraphFile' ||
        fail "$extension files do not open in the program"
done
reg_query 'HKLM\Software\Classes\Tesmara.GraphFile\shell\open\command' |
    grep -qF '"C:\Program Files\Tesmara\bin\tesmara.exe" "%1"' || fail "no open command for graph files"

# A unit in a folder of its own, with LF line ends: opened and saved over, it must come back as
# the Linux build writes it, CR LF and all, which is the sample unit as shipped
# (GraphFile.SampleUnitsRoundTripByteForByte holds the Linux build to it).
mkdir -p "$WINEPREFIX/drive_c/units"
sed 's/\r$//' "$installed/share/tesmara/DATA/ichiji.lin" >"$WINEPREFIX/drive_c/units/ichiji.lin"
cmp -s "$installed/share/tesmara/DATA/ichiji.lin" "$WINEPREFIX/drive_c/units/ichiji.lin" &&
    fail "the sample unit has no CR LF to take away"

echo "Starting the installed program on a sample unit"
# As the Start-menu entry starts it: in its own folder.
(cd "$installed/bin" && exec "$wine" tesmara.exe 'C:\units\ichiji.lin') &
program=$!
session_pids+=("$program")
window=
find_window() { window=$(xdotool search --onlyvisible --name 'Tesmara.*ichiji' 2>/dev/null | head -n 1); [ -n "$window" ]; }
wait_for 60 find_window || { fail "no main window with the unit's name in its caption"; exit 1; }

# The window is painted once two screenshots a moment apart are the same and not blank.
shoot() { xwd -display "$DISPLAY" -root -silent | convert xwd:- "$1"; }
painted() {
    shoot "$work/a.png"
    sleep 0.5
    shoot "$work/b.png"
    cmp -s <(convert "$work/a.png" rgb:-) <(convert "$work/b.png" rgb:-) &&
        [ "$(convert "$work/b.png" -format '%k' info:)" -gt 32 ]
}
wait_for 30 painted || fail "the main window was not painted"
cp "$work/b.png" "$shots/installed-unit.png"
echo "Screenshot: $shots/installed-unit.png"

# The plane settings are read at start-up, and the values missing from the registry are written.
settings=$(reg_query 'HKCU\Software\Kelvane\Morin1')
echo "Registry, HKCU\Software\Kelvane\Morin1:" $(awk '/REG_/ { printf "%s=%s ", $1, $3 }' <<<"$settings")
for value in SizeX SizeY ScaleX ScaleY StartX StartY EndX EndY; do
    grep -q "^ *$value " <<<"$settings" || fail "the registry has no $value under Software\\Kelvane\\Morin1"
done
ls -d "$WINEPREFIX"/drive_c/users/*/Documents/Tesmara/DATA >/dev/null 2>&1 ||
    fail "the sample units were not copied into the documents folder"

# A command of the ﾌｧｲﾙ(&F) menu by its underlined letter, once the menu is open.
visible_windows() { xdotool search --onlyvisible --pid "$program" 2>/dev/null | wc -l; }
file_menu() {
    local before
    before=$(visible_windows)
    xdotool windowfocus --sync "$window" key alt+f
    menu_open() { [ "$(visible_windows)" -gt "$before" ]; }
    wait_for 10 menu_open || { fail "the file menu did not open"; return 0; }
    xdotool key "$1"
}

# 上書き保存(&S): a unit opened from its file is saved over it without a question.
file_menu s
same_as_shipped() { cmp -s "$installed/share/tesmara/DATA/ichiji.lin" "$WINEPREFIX/drive_c/units/ichiji.lin"; }
wait_for 30 same_as_shipped || fail "the unit saved by the Windows build differs from the Linux build's"

# 終了(&X): the drawing was saved, so the program closes without a question.
file_menu x
exited() { ! kill -0 "$program" 2>/dev/null; }
wait_for 30 exited || fail "the program did not close"

echo "Uninstalling silently"
# The uninstaller runs from a copy of itself in the temporary folder, and returns at once.
"$wine" "C:\\Program Files\\Tesmara\\uninstall.exe" /S
uninstalled() { [ ! -e "$installed/uninstall.exe" ]; }
wait_for 60 uninstalled || fail "the uninstaller left the program"
reg_query 'HKLM\Software\Classes\.lin' | grep -q 'Tesmara.GraphFile' && fail "the uninstaller left the file types"
ls "$WINEPREFIX"/drive_c/users/*/Documents/Tesmara/Index.ini >/dev/null 2>&1 ||
    fail "the uninstaller took the user's units"

if [ "$failures" -gt 0 ]; then
    echo "check.sh: $failures checks failed" >&2
    exit 1
fi
echo "check.sh: the Windows build passed under Wine"
