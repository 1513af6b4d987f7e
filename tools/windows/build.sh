#!/usr/bin/env bash
# Cross-builds the program for 64-bit Windows on this Debian machine: tesmara.exe,
# tesmara-export.exe and the test programs in build-windows/, the programs with everything they
# need in build-windows/dist/ (as an installation lays them out), and the Japanese installer
# build-windows/tesmara-VERSION-setup.exe and the MSI package build-windows/tesmara-VERSION.msi.
# Prints their paths.
#   tools/windows/build.sh            TESMARA_JOBS=N sets the compile jobs (2 by default)
# Qt and ICU for Windows come from the SDK folder when its stamp fits, else from the packed SDK
# in ../shared/windows-sdk/, else build-sdk.sh makes them (about 21 minutes).
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
. "$here/tools/windows/packages.sh"
. "$here/tools/windows/sdk.sh"
jobs=${TESMARA_JOBS:-2}
build=$here/build-windows
dist=$build/dist

# Qt's host tools (moc, rcc) are Debian's, of the SDK's version; GoogleTest is built from
# Debian's source with the tests; Qt's Japanese texts come from Debian's translations.
install_packages cmake ninja-build xz-utils g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev qt6-base-dev qt6-base-dev-tools \
    qt6-translations-l10n googletest nsis msitools wixl

if sdk_ready; then
    :
elif [ -f "$sdk_cache" ]; then
    echo "Unpacking $sdk_cache into $sdk_dir"
    rm -rf "$sdk_dir" "$sdk_dir.partial" "$sdk_stamp"
    mkdir -p "$sdk_dir.partial"
    tar -xJf "$sdk_cache" -C "$sdk_dir.partial"
    mv "$sdk_dir.partial" "$sdk_dir"
    sdk_unpacked_stamp >"$sdk_stamp"
else
    "$here/tools/windows/build-sdk.sh"
fi

# A build made against another SDK keeps that SDK's paths in its cache: it starts again.
if ! cmp -s "$sdk_stamp" "$build/sdk.stamp" ||
    ! grep -qxF "TESMARA_WINDOWS_SDK:PATH=$sdk_dir" "$build/CMakeCache.txt" 2>/dev/null; then
    rm -rf "$build"
fi
mkdir -p "$build"
cmake -S "$here" -B "$build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$here/tools/windows/mingw64-toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DTESMARA_WINDOWS_SDK:PATH="$sdk_dir" -DCMAKE_PREFIX_PATH="$sdk_dir" -DICU_ROOT="$sdk_dir" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTESMARA_GTEST_SOURCE=/usr/src/googletest -DTESMARA_BENCH=OFF >/dev/null
cp "$sdk_stamp" "$build/sdk.stamp"
cmake --build "$build" -j"$jobs"

# The installed tree: bin\ with the programs and everything they load, share\tesmara\ with the
# sample units, which the program copies into the user's documents on its first start.
rm -rf "$dist"
cmake --install "$build" --prefix "$dist" --strip >/dev/null
bin=$dist/bin
cp "$sdk_dir"/bin/{Qt6Core,Qt6Gui,Qt6Widgets,Qt6PrintSupport}.dll "$bin/"
cp "$sdk_dir"/bin/icu{uc,dt}"${icu_version%%.*}".dll "$bin/"
# Debian's MinGW runtime carries its symbols: libstdc++ alone is 24 MB before stripping.
runtime=(/usr/lib/gcc/x86_64-w64-mingw32/*-posix/{libstdc++-6,libgcc_s_seh-1}.dll
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
for dll in "${runtime[@]}"; do
    x86_64-w64-mingw32-strip --strip-unneeded -o "$bin/$(basename "$dll")" "$dll"
done
# Qt looks for plugins beside the program. Printing needs no plugin: Qt's Windows printer
# support is inside Qt6PrintSupport.dll.
for kind in platforms styles imageformats; do
    mkdir -p "$bin/$kind"
    cp "$sdk_dir/plugins/$kind"/*.dll "$bin/$kind/"
done
rm -f "$bin/platforms/qminimal.dll"
mkdir -p "$bin/translations"
cp /usr/share/qt6/translations/qtbase_ja.qm "$bin/translations/"
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$bin/qt.conf"

# Every DLL that a program or a plugin imports is either Windows' own (MinGW has its import
# library, or it is one of Windows' API sets) or one shipped beside it.
missing=$(find "$bin" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-objdump -p {} + |
    sed -n 's/^\s*DLL Name: //p' | sort -u | while read -r dll; do
        lib=$(echo "${dll%.*}" | tr 'A-Z' 'a-z')
        [ -e "$bin/$dll" ] || [ -e "/usr/x86_64-w64-mingw32/lib/lib$lib.a" ] ||
            [[ $lib == api-ms-win-* ]] || echo "$dll"
    done)
if [ -n "$missing" ]; then
    echo "build.sh: these DLLs are imported but neither Windows' nor shipped:" $missing >&2
    exit 1
fi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
# Windows' version resources and Windows Installer take versions of three or four numbers.
IFS=. read -r major minor patch _ <<<"$version"
version3=$major.${minor:-0}.${patch:-0}

# What the installer writes, from the installed tree: its File commands, and the list an
# installation keeps (uninstall.lst) so that the uninstaller and the next upgrade remove exactly
# those files, then their folders, deepest first, once empty. The list itself is not in it.
staging=$build/installer
rm -rf "$staging"
mkdir -p "$staging"
files=$(cd "$dist" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
awk -v dist="$dist" '{
    dir = $0; sub("/?[^/]*$", "", dir)
    if (dir != last) { d = dir; gsub("/", "\\", d); print "SetOutPath \"$INSTDIR" (d == "" ? "" : "\\" d) "\""; last = dir }
    print "File \"" dist "/" $0 "\""
}' <<<"$files" >"$staging/files.nsh"
{
    echo "; What Tesmara $version's installer wrote into this folder: the uninstaller removes these files,"
    echo "; then each folder once it is empty."
    { echo "$files"; echo uninstall.exe; } | LC_ALL=C sort
    (cd "$dist" && find . -mindepth 1 -type d | sed 's|^\./||') |
        awk '{ print gsub("/", "/") "\t" $0 "/" }' | LC_ALL=C sort -k1,1nr -k2 | cut -f2
} | sed 's|/|\\|g; s/$/\r/' >"$staging/uninstall.lst"

installer=$build/tesmara-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DVERSION4="$version3.0" \
    -DSIZE_KB="$(du -sk "$dist" | cut -f1)" -DFILES="$staging/files.nsh" \
    -DLIST="$staging/uninstall.lst" -DOLDLIST="$here/tools/windows/files-0.1.txt" \
    -DOUTFILE="$installer" -DICON="$here/resources/icons/tesmara.ico" \
    "$here/tools/windows/installer.nsi" >/dev/null

# The MSI package: the same tree, listed by wixl-heat; the program is named in tesmara.wxs.
heat() {
    (cd "$dist" && find "$1" -type f | LC_ALL=C sort) |
        wixl-heat -p "$1/" -x "$1/tesmara.exe" --component-group "$2" --var var.DIST \
            --directory-ref "$3" --win64 | sed "s|\$(var.DIST)/|\$(var.DIST)/$1/|" >"$staging/$1.wxs"
}
heat bin BinFiles BINDIR
heat share ShareFiles SHAREDIR
# wixl finds files only by names relative to the folder it runs in.
cp "$here/tools/windows/tesmara.wxs" "$here/resources/icons/tesmara.ico" "$staging/"
ln -s ../dist "$staging/dist"
(cd "$staging" && wixl -a x64 -D VERSION="$version3" -D DIST=dist -D Win64=yes -D ICON=tesmara.ico \
    -o "../tesmara-$version.msi" tesmara.wxs bin.wxs share.wxs)
# wixl leaves the tables without a code page and drops Japanese texts: the tables get Japanese
# Windows' code page, then the English stand-ins of tesmara.wxs become the Japanese texts.
printf '\r\n\r\n932\t_ForceCodepage\r\n' >"$staging/_ForceCodepage.idt"
msibuild "$build/tesmara-$version.msi" -i "$staging/_ForceCodepage.idt"
japanese() {
    msibuild "$build/tesmara-$version.msi" \
        -q "UPDATE \`$1\` SET \`$2\` = '$5' WHERE \`$3\` = '$4'"
}
japanese Registry Value Key 'Software\Classes\Tesmara.GraphFile' 'グラフファイル'
japanese LaunchCondition Description Condition 'Installed OR WINDOWSBUILD >= 17763' \
    'Tesmara には Windows 10 バージョン 1809 以降が必要です。'
japanese LaunchCondition Description Condition 'NOT WIX_DOWNGRADE_DETECTED' \
    '新しいバージョンの Tesmara がインストールされています。'
echo "$installer"
echo "$build/tesmara-$version.msi"
