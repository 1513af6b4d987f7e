#!/usr/bin/env bash
# Tests the Windows build (tools/windows/build.sh) under Wine, on a private X screen and in a Wine
# prefix of its own in a temporary folder, so nothing is written into HOME:
#   - the core, drawing and exporter test programs;
#   - a silent install with the installer: files, Start-menu entry, file types, uninstaller;
#   - the installed program started on a sample unit named on its command line, as a double click
#     on the file starts it: a screenshot, its settings in Wine's registry, and the unit it saves,
#     which must be byte for byte what the Linux build saves;
#   - a silent uninstall, which leaves the user's units;
#   - what a school's IT staff meet, one line each at the end: an uninstall beside other files,
#     installs and uninstalls while the program runs, upgrades, the per-user install, the MSI
#     package, the class's unit folder, and the publisher, versions, Windows check, finish page
#     and file types given back.
#   tools/windows/check.sh        screenshots and the test programs' output go to TESMARA_SHOTS
#                                 (/tmp/windows-shots by default)
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
. "$here/tools/windows/wine.sh"
build=$here/build-windows
dist=$build/dist
shots=${TESMARA_SHOTS:-/tmp/windows-shots}
installer=$(find "$build" -maxdepth 1 -name 'tesmara-*-setup.exe' 2>/dev/null | head -n 1)
msi=$(find "$build" -maxdepth 1 -name 'tesmara-*.msi' 2>/dev/null | head -n 1)
if [ ! -f "$dist/bin/tesmara.exe" ] || [ -z "$installer" ] || [ -z "$msi" ]; then
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
# One line for each of the IT staff's items, passed when no check failed since the item began.
items=()
item_failures=0
begin_item() { item_failures=$failures; }
end_item() {
    local verdict=passed
    [ "$failures" -eq "$item_failures" ] || verdict=FAILED
    items+=("$verdict: $*")
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

# The installers and Wine's registry, as the IT staff's tools see them.
reg_query() { "$wine" reg query "$@" 2>/dev/null | tr -d '\r'; }
# A value's data, or nothing when the value is not there.
reg_value() {
    reg_query "$1" /v "$2" | awk -v name="$2" '$1 == name && $2 ~ /^REG_/ { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}
reg_default() { reg_query "$1" /ve | awk '$2 ~ /^REG_/ { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
# Runs a Windows program and echoes its exit code.
exit_code() {
    local status=0
    "$wine" "$@" >/dev/null 2>&1 || status=$?
    echo "$status"
}
setup() { exit_code "$(winpath "$installer")" /S "$@"; }
# "_?=" keeps the uninstaller in its folder until it is done, so that its exit code comes back.
# It must stand unquoted at the end of the command line, as a batch file writes it.
uninstall() {
    printf '@"%s\\uninstall.exe" /S _?=%s\r\n@exit /b %%errorlevel%%\r\n' "$1" "$1" >"$work/uninstall.bat"
    exit_code cmd /c "$(winpath "$work/uninstall.bat")"
}
# The folder's uninstaller goes a moment after it has ended.
gone() { wait_for 30 test ! -e "$1/uninstall.exe"; }
c_drive=$WINEPREFIX/drive_c
profile=$(find "$c_drive/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
installed="$c_drive/Program Files/Tesmara"
machine_menu="$c_drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tesmara.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesmara'
settings_key='HKLM\Software\Kelvane\Tesmara'
# The files an installation keeps in its list, and whether each is there.
listed_files() { tr -d '\r' <"$1/uninstall.lst" | grep -v '^;' | grep -v '\\$' | tr '\\' '/'; }
all_listed_there() {
    local file
    while read -r file; do [ -f "$2/$file" ] || return 1; done < <(listed_files "$1")
}
none_listed_there() {
    local file
    while read -r file; do [ ! -e "$2/$file" ] || return 1; done <"$1"
}

echo "Publisher, versions and the oldest Windows"
begin_item
for program in "$dist/bin/tesmara.exe" "$dist/bin/tesmara-export.exe" "$installer"; do
    strings -el "$program" | grep -A1 -x CompanyName | grep -qx Kelvane ||
        fail "$(basename "$program") names no CompanyName Kelvane"
done
# Windows 7 is refused by both installers, and nothing is installed.
"$wine" winecfg /v win7 >/dev/null 2>&1
code=$(setup)
[ "$code" = 4 ] || fail "the installer took Windows 7 (exit code $code, not 4)"
# Wine gives the low byte of a Windows exit code: 1603 comes as 67.
code=$(exit_code msiexec /i "$(winpath "$msi")" /qn)
[ "$code" = $((1603 % 256)) ] || fail "the MSI package took Windows 7 (exit code $code, not 1603)"
[ ! -e "$installed" ] || fail "something was installed on Windows 7"
"$wine" winecfg /v win10 >/dev/null 2>&1
build_number=$(reg_value 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' CurrentBuildNumber)
[ "${build_number:-0}" -ge 17763 ] || fail "Wine's Windows 10 is build $build_number, older than 1809"
end_item "6: CompanyName Kelvane in tesmara.exe, tesmara-export.exe and the installer; Windows 7 refused (exit codes 4 and 1603)"

echo "Installing into a folder with other programs' files, and uninstalling"
begin_item
tools=$c_drive/Tools
mkdir -p "$tools/bin" "$tools/share/other"
echo other >"$tools/bin/other-tool.txt"
echo notes >"$tools/share/other/notes.txt"
code=$(setup '/D=C:\Tools')
[ "$code" = 0 ] || fail "the install into C:\\Tools failed (exit code $code)"
[ -f "$tools/bin/tesmara.exe" ] && [ -f "$tools/uninstall.lst" ] || fail "nothing was installed into C:\\Tools"
listed_files "$tools" >"$work/tools-files"
code=$(uninstall 'C:\Tools')
[ "$code" = 0 ] && gone "$tools" || fail "the uninstall from C:\\Tools failed (exit code $code)"
[ -f "$tools/bin/other-tool.txt" ] && [ -f "$tools/share/other/notes.txt" ] ||
    fail "the uninstaller deleted files it did not install"
none_listed_there "$work/tools-files" "$tools" && [ ! -e "$tools/uninstall.exe" ] &&
    [ ! -e "$tools/uninstall.lst" ] && [ ! -e "$tools/bin/platforms" ] ||
    fail "the uninstaller left files it installed in C:\\Tools"
[ -z "$(reg_value "$uninstall_key" DisplayName)" ] || fail "the uninstaller left its Add/Remove Programs entry"
end_item "1: C:\\Tools\\bin\\other-tool.txt and C:\\Tools\\share\\other\\notes.txt kept by the uninstaller, its own $(wc -l <"$work/tools-files") files and empty folders gone"

echo "Installing $(basename "$installer") silently"
# .lin files belong to another program before; the uninstaller gives them back.
"$wine" reg add 'HKLM\Software\Classes\.lin' /ve /d Other.LinFile /f >/dev/null 2>&1
code=$(setup)
[ "$code" = 0 ] || fail "the silent install failed (exit code $code)"
for file in bin/tesmara.exe bin/tesmara-export.exe bin/platforms/qwindows.dll bin/qt.conf \
    bin/translations/qtbase_ja.qm share/tesmara/Index.ini share/tesmara/DATA/ichiji.lin \
    uninstall.exe uninstall.lst; do
    [ -f "$installed/$file" ] || fail "not installed: $file"
done
[ -f "$machine_menu" ] || fail "no Start-menu entry"
for extension in .lin .cai; do
    reg_query "HKLM\\Software\\Classes\\$extension" | grep -q 'Tesmara.GraphFile' ||
        fail "$extension files do not open in the program"
done
reg_query 'HKLM\Software\Classes\Tesmara.GraphFile\shell\open\command' |
    grep -qF '"C:\Program Files\Tesmara\bin\tesmara.exe" "%1"' || fail "no open command for graph files"
begin_item
publisher=$(reg_value "$uninstall_key" Publisher)
display_version=$(reg_value "$uninstall_key" DisplayVersion)
estimated_size=$(reg_value "$uninstall_key" EstimatedSize)
[ "$publisher" = Kelvane ] || fail "the publisher is '$publisher', not Kelvane"
[ -n "$display_version" ] || fail "no DisplayVersion"
[ $((estimated_size)) -gt 1000 ] || fail "no EstimatedSize ($estimated_size)"
[ "$(reg_value "$settings_key" Previous.lin)" = Other.LinFile ] ||
    fail "the installer did not keep the program that owned .lin files"
end_item "6: Add/Remove Programs shows Publisher $publisher, DisplayVersion $display_version, EstimatedSize $((estimated_size)) KB"

echo "Upgrading over an installation that kept a list, and over version 0.1"
begin_item
# A file the earlier version wrote and this one does not ship, and a file of the user's own.
echo old >"$installed/bin/old-plugin.dll"
printf 'bin\\old-plugin.dll\r\n' >>"$installed/uninstall.lst"
echo mine >"$installed/bin/mine.txt"
code=$(setup)
[ "$code" = 0 ] || fail "the upgrade failed (exit code $code)"
[ ! -e "$installed/bin/old-plugin.dll" ] || fail "the upgrade left a file the earlier version installed"
[ -f "$installed/bin/mine.txt" ] || fail "the upgrade deleted a file it did not install"
# Version 0.1 kept no list and its folder under Software\Tesmara.
rm "$installed/uninstall.lst"
"$wine" reg delete "$settings_key" /v InstallDir /f >/dev/null 2>&1
"$wine" reg add 'HKLM\Software\Tesmara' /v InstallDir /d 'C:\Program Files\Tesmara' /f >/dev/null 2>&1
code=$(setup)
[ "$code" = 0 ] || fail "the upgrade of version 0.1 failed (exit code $code)"
all_listed_there "$installed" "$installed" || fail "the upgrade of version 0.1 left files missing"
[ -f "$installed/bin/mine.txt" ] || fail "the upgrade of version 0.1 deleted a file it did not install"
[ -z "$(reg_value 'HKLM\Software\Tesmara' InstallDir)" ] || fail "the upgrade left version 0.1's key"
rm "$installed/bin/mine.txt"
end_item "2: an upgrade removes the files the earlier version listed (or version 0.1 wrote) and keeps the user's"

# A unit in a folder of its own, with LF line ends: opened and saved over, it must come back as
# the Linux build writes it, CR LF and all, which is the sample unit as shipped
# (GraphFile.SampleUnitsRoundTripByteForByte holds the Linux build to it).
mkdir -p "$c_drive/units"
sed 's/\r$//' "$installed/share/tesmara/DATA/ichiji.lin" >"$c_drive/units/ichiji.lin"
cmp -s "$installed/share/tesmara/DATA/ichiji.lin" "$c_drive/units/ichiji.lin" &&
    fail "the sample unit has no CR LF to take away"

echo "Starting the installed program on a sample unit"
# As the Start-menu entry starts it: in its own folder.
(cd "$installed/bin" && exec "$wine" tesmara.exe 'C:\units\ichiji.lin') &
program=$!
session_pids+=("$program")
window=
find_window() { window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1); [ -n "$window" ]; }
wait_for 60 find_window 'Tesmara.*ichiji' || { fail "no main window with the unit's name in its caption"; exit 1; }

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
ls -d "$profile"/Documents/Tesmara/DATA >/dev/null 2>&1 ||
    fail "the sample units were not copied into the documents folder"

echo "Installing and uninstalling while the program runs"
begin_item
# A mark in qt.conf shows whether anything was written.
printf '; kept\r\n' >>"$installed/bin/qt.conf"
code=$(setup)
[ "$code" = 3 ] || fail "a silent install while the program runs gave exit code $code, not 3"
code=$(uninstall 'C:\Program Files\Tesmara')
[ "$code" = 3 ] || fail "a silent uninstall while the program runs gave exit code $code, not 3"
# Without "_?=" the uninstaller's copy in the temporary folder does the work: it must stop too.
"$wine" 'C:\Program Files\Tesmara\uninstall.exe' /S >/dev/null 2>&1
sleep 5
grep -q '; kept' "$installed/bin/qt.conf" || fail "the installer changed files while the program ran"
all_listed_there "$installed" "$installed" && [ -n "$(reg_value "$uninstall_key" DisplayName)" ] &&
    [ -f "$machine_menu" ] || fail "the uninstaller changed the installation while the program ran"
sed -i '/; kept/d' "$installed/bin/qt.conf"
end_item "2: with the program running, silent install and uninstall change nothing and exit with 3"

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
same_as_shipped() { cmp -s "$installed/share/tesmara/DATA/ichiji.lin" "$c_drive/units/ichiji.lin"; }
wait_for 30 same_as_shipped || fail "the unit saved by the Windows build differs from the Linux build's"

# 終了(&X): the drawing was saved, so the program closes without a question.
file_menu x
exited() { ! kill -0 "$program" 2>/dev/null; }
wait_for 30 exited || fail "the program did not close"

echo "The class's unit folder: one with units, then one that is missing"
begin_item
mkdir -p "$c_drive/class"
cp -r "$installed/share/tesmara/." "$c_drive/class/"
# Started from the menu, without a file: the caption names the new drawing in the working folder.
start_program() {
    (cd "${1:-$installed/bin}" && exec "$wine" tesmara.exe) &
    program=$!
    session_pids+=("$program")
}
# As Windows closes a program at logoff: WM_CLOSE to its windows, not a keyboard that another
# program's window may hold.
close_program() {
    "$wine" taskkill /IM tesmara.exe >/dev/null 2>&1 || true
    wait_for 30 exited || fail "the program did not close"
}
code=$(setup '/UNITS=C:\class')
[ "$code" = 0 ] || fail "the install with /UNITS= failed (exit code $code)"
[ "$(reg_value "$settings_key" UnitFolder)" = 'C:\class' ] || fail "no UnitFolder under $settings_key"
start_program
wait_for 60 find_window 'Tesmara.*C:.class.Graph1' || fail "the program does not work in the class's folder"
[ -z "$window" ] || close_program
code=$(setup '/UNITS=C:\missing')
[ "$code" = 0 ] || fail "the install with /UNITS= failed (exit code $code)"
start_program
wait_for 60 find_window 'Tesmara.*Documents.Tesmara.Graph1' ||
    fail "without its unit folder the program does not work in the documents' Tesmara"
# Its text is the core tests' (StartFolder): under Wine without a window manager the program's
# message boxes are left black and without the keyboard.
message_shown() { xdotool search --onlyvisible --pid "$program" --name '^Tesmara$' >/dev/null 2>&1; }
wait_for 20 message_shown || fail "the program did not say why it works in the documents' Tesmara"
# Its modal box holds back WM_CLOSE; the program has nothing to save.
kill "$program"
wait_for 30 exited || fail "the program did not end"
end_item "5: /UNITS=C:\\class makes the program work there; /UNITS=C:\\missing falls back to Documents\\Tesmara with a message"

echo "Uninstalling silently"
begin_item
mkdir -p "$profile/AppData/Local/Tesmara"
code=$(uninstall 'C:\Program Files\Tesmara')
[ "$code" = 0 ] && gone "$installed" || fail "the silent uninstall failed (exit code $code)"
[ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed" | head -n 3)"
[ ! -e "$machine_menu" ] || fail "the uninstaller left the Start-menu entry"
[ "$(reg_default 'HKLM\Software\Classes\.lin')" = Other.LinFile ] ||
    fail "the uninstaller did not give .lin files back to their program"
reg_query 'HKLM\Software\Classes\.cai' | grep -q 'Tesmara.GraphFile' && fail "the uninstaller left the file types"
[ -z "$(reg_value "$settings_key" UnitFolder)" ] || fail "the uninstaller left UnitFolder"
ls "$profile"/Documents/Tesmara/Index.ini >/dev/null 2>&1 || fail "the uninstaller took the user's units"
[ -n "$(reg_value 'HKCU\Software\Kelvane\Morin1' SizeX)" ] || fail "the uninstaller took the user's settings"
[ ! -e "$profile/AppData/Local/Tesmara" ] || fail "the uninstaller left an empty %LOCALAPPDATA%\\Tesmara"
end_item "6: the uninstall gives .lin back to Other.LinFile, removes an empty %LOCALAPPDATA%\\Tesmara, keeps units, records and settings"

echo "Installing with pages while the program runs: the user closes it and retries"
begin_item
# The built program, as nothing is installed now.
start_program "$dist/bin"
wait_for 60 find_window 'Kelvane Tesmara' || fail "the program did not start"
"$wine" "$(winpath "$installer")" >/dev/null 2>&1 &
gui_setup=$!
session_pids+=("$gui_setup")
asked() { xdotool search --onlyvisible --pid "$gui_setup" >/dev/null 2>&1; }
if wait_for 30 asked && wait_for 30 painted; then
    cp "$work/b.png" "$shots/installer-while-running.png"
    echo "Screenshot: $shots/installer-while-running.png"
else
    fail "the installer did not ask to close the program"
fi
[ -z "$window" ] || close_program
# Every page's default button, the finish page's with "Tesmara を実行" ticked, until it closes;
# meanwhile the processes are watched for the command the finish page runs.
setup_closed() { ! kill -0 "$gui_setup" 2>/dev/null; }
# The program's processes in this session's Wine prefix, not another one's on the machine.
session_programs() {
    local pid args
    ps -eo pid=,args= | grep -i 'tesmara.bin.tesmara.exe' | while read -r pid args; do
        grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && echo "$pid $args"
    done
}
next_page() {
    local page
    page=$(xdotool search --onlyvisible --name 'Tesmara' 2>/dev/null | head -n 1)
    [ -z "$page" ] || xdotool windowfocus --sync "$page" key Return 2>/dev/null || true
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        session_programs >>"$work/processes"
        sleep 0.1
    done
    setup_closed
}
wait_for 120 next_page || fail "the installer's pages did not come to an end"
finish_command=$(grep -i -m 1 'explorer.exe' "$work/processes" | sed 's/^ *[0-9]* //')
echo "The finish page ran: ${finish_command:-nothing}"
[[ ${finish_command,,} == *'explorer.exe c:\program files\tesmara\bin\tesmara.exe' ]] ||
    fail "the finish page did not start the program through Explorer"
# The program Explorer started closes as a user closes it.
started() {
    program=$(session_programs | grep -vi explorer | awk '{ print $1; exit }')
    [ -n "$program" ] && find_window 'Kelvane Tesmara'
}
if wait_for 30 started; then close_program; else fail "the finish page's program did not start"; fi
[ -f "$installed/bin/tesmara.exe" ] || fail "the installation with pages installed nothing after the retry"
code=$(uninstall 'C:\Program Files\Tesmara')
[ "$code" = 0 ] && gone "$installed" && [ ! -e "$installed" ] ||
    fail "the uninstall after the install with pages failed (exit code $code): $(find "$installed" | head -n 3)"
end_item "2, 6: with pages the installer asks to close the running program and retries; the finish page runs explorer.exe \"C:\\Program Files\\Tesmara\\bin\\tesmara.exe\", the desktop user's start"

echo "Installing for the user alone"
begin_item
user_installed="$profile/AppData/Local/Programs/Tesmara"
user_menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tesmara.lnk"
code=$(setup /CurrentUser /NOASSOC '/UNITS=C:\class')
[ "$code" = 0 ] || fail "the per-user install failed (exit code $code)"
all_listed_there "$user_installed" "$user_installed" || fail "nothing was installed in %LOCALAPPDATA%\\Programs\\Tesmara"
[ -f "$user_menu" ] || fail "no Start-menu entry in the user's menu"
[ "$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesmara' Publisher)" = Kelvane ] ||
    fail "no Add/Remove Programs entry for the user"
[ "$(reg_value 'HKCU\Software\Kelvane\Tesmara' UnitFolder)" = 'C:\class' ] || fail "no UnitFolder under HKCU"
[ -z "$(reg_value "$uninstall_key" DisplayName)" ] && [ ! -e "$installed" ] ||
    fail "the per-user install wrote the computer's entries"
[ -z "$(reg_default 'HKCU\Software\Classes\.lin')" ] || fail "/NOASSOC took the file types"
code=$(uninstall "$(sed 's|^.*/drive_c|C:|; s|/|\\|g' <<<"$user_installed")")
[ "$code" = 0 ] && gone "$user_installed" || fail "the per-user uninstall failed (exit code $code)"
[ ! -e "$user_installed" ] && [ ! -e "$user_menu" ] &&
    [ -z "$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesmara' Publisher)" ] ||
    fail "the per-user uninstall left the installation"
end_item "3: /CurrentUser installs into %LOCALAPPDATA%\\Programs\\Tesmara, HKCU and the user's menu; /NOASSOC leaves the file types alone"

echo "Installing and removing $(basename "$msi")"
begin_item
code=$(exit_code msiexec /i "$(winpath "$msi")" /qn 'UNITS=C:\class')
[ "$code" = 0 ] || fail "msiexec /i failed (exit code $code)"
for file in bin/tesmara.exe bin/tesmara-export.exe bin/platforms/qwindows.dll bin/qt.conf \
    bin/translations/qtbase_ja.qm share/tesmara/Index.ini share/tesmara/DATA/ichiji.lin; do
    [ -f "$installed/$file" ] || fail "the MSI did not install $file"
done
[ "$(find "$installed" -type f | wc -l)" = "$(find "$dist" -type f | wc -l)" ] ||
    fail "the MSI installed other files than the installer's"
# Wine's msiexec puts a per-machine package's shortcuts into the user's Start menu.
user_menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tesmara.lnk"
[ -f "$machine_menu" ] || [ -f "$user_menu" ] || fail "the MSI made no Start-menu entry"
for extension in .lin .cai; do
    [ "$(reg_default "HKLM\\Software\\Classes\\$extension")" = Tesmara.GraphFile ] ||
        fail "the MSI did not make $extension files open in the program"
done
reg_query 'HKLM\Software\Classes\Tesmara.GraphFile\shell\open\command' |
    grep -qF '"C:\Program Files\Tesmara\bin\tesmara.exe" "%1"' || fail "the MSI made no open command"
[ "$(reg_value "$settings_key" UnitFolder)" = 'C:\class' ] || fail "the MSI did not keep UNITS"
reg_query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | grep -q 'Publisher.*Kelvane' ||
    fail "the MSI's Add/Remove Programs entry names no publisher Kelvane"
code=$(exit_code msiexec /x "$(winpath "$msi")" /qn)
[ "$code" = 0 ] || fail "msiexec /x failed (exit code $code)"
[ ! -e "$installed" ] || fail "msiexec /x left $(find "$installed" | head -n 3)"
[ ! -e "$machine_menu" ] && [ ! -e "$user_menu" ] || fail "msiexec /x left the Start-menu entry"
[ -z "$(reg_default 'HKLM\Software\Classes\.cai')" ] || fail "msiexec /x left the file types"
end_item "4: msiexec /i … /qn UNITS=C:\\class installs the same files, menu entry, file types and unit folder; msiexec /x … /qn removes them"

printf '%s\n' "${items[@]}"
if [ "$failures" -gt 0 ]; then
    echo "check.sh: $failures checks failed" >&2
    exit 1
fi
echo "check.sh: the Windows build passed under Wine"
