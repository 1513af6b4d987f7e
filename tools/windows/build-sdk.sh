#!/usr/bin/env bash
# Builds what Debian does not ship for Windows, from Debian's own source packages and with its
# MinGW-w64 cross compilers: ICU, with its data cut down to what the program reads, and Qt's base
# module (Core, Gui, Widgets, PrintSupport, the Windows platform). Installs them into the SDK
# folder named in tools/windows/sdk.sh and writes the stamp beside it. About 25 minutes on 2 cores.
#   tools/windows/build-sdk.sh        TESMARA_JOBS=N sets the compile jobs (2 by default)
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
. "$here/tools/windows/packages.sh"
. "$here/tools/windows/sdk.sh"
jobs=${TESMARA_JOBS:-2}
toolchain=$here/tools/windows/mingw64-toolchain.cmake
started=$(date +%s)

# Runs a step with its output kept in a log; when it fails, its errors and its end are shown and
# the work folder stays for a look.
logged() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 && return 0
    grep -E 'error|FAILED' "$log" | head -n 20 >&2 || true
    tail -n 20 "$log" >&2
    echo "build-sdk.sh: failed; the logs are in $work" >&2
    return 1
}

# Qt's host tools (moc, rcc, uic) are Debian's own, so the sources must be those of the installed
# Qt, and icupkg is Debian's own build of the same ICU.
install_packages build-essential cmake ninja-build dpkg-dev xz-utils \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    mingw-w64-x86-64-dev qt6-base-dev qt6-base-dev-tools libicu-dev icu-devtools

find_debian_sources

# One folder, so that a build run again after a failure finds its compiled objects in ccache.
work=${TMPDIR:-/tmp}/tesmara-sdk-build
stage=$sdk_dir.partial
rm -rf "$work" "$stage"
mkdir -p "$work"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
mkdir -p "$(dirname "$sdk_dir")"
cd "$work"
echo "Fetching the sources of qt6-base $qt_source and icu $icu_source"
logged fetch.log apt-get source "qt6-base=$qt_source" "icu=$icu_source"
qt_src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
icu_src=$(find "$work" -maxdepth 1 -type d -name 'icu-*' | head -n 1)/source

# Debian's ICU source carries its data only as one packed file. The program opens one converter,
# windows-31j, which ICU keeps as ibm-943_P15A-2003 and finds through its alias table; the rest
# (30 MB of locales, collation, other code pages) is left out. The new file keeps the old one's
# name: icupkg names the items inside after it, and the data library's build expects that name.
data=$icu_src/data/in/icudt${icu_version%%.*}l.dat
printf '%s\n' cnvalias.icu ibm-943_P15A-2003.cnv >keep.txt
icupkg -l "$data" | grep -vxF -f keep.txt >leave-out.txt
mkdir filtered
icupkg -r leave-out.txt "$data" "filtered/$(basename "$data")"
mv "filtered/$(basename "$data")" "$data"

# ICU's cross build runs the tools of a build for this machine.
echo "Building ICU for this machine (its tools)"
mkdir icu-native
cd icu-native
logged configure.log env CC=gcc CXX=g++ \
    "$icu_src/configure" --disable-tests --disable-samples --disable-extras
logged make.log make -j"$jobs"
cd "$work"

echo "Building ICU for Windows"
mkdir icu-windows
cd icu-windows
logged configure.log env CC=x86_64-w64-mingw32-gcc-posix CXX=x86_64-w64-mingw32-g++-posix \
    "$icu_src/configure" --host=x86_64-w64-mingw32 --with-cross-build="$work/icu-native" \
    --prefix="$stage" --enable-shared --disable-static --with-data-packaging=library \
    --disable-tests --disable-samples --disable-extras
logged make.log make -j"$jobs"
logged install.log make install
cd "$work"

# Off: what the program does not use, and what this source cannot build for Windows: Debian's
# source leaves out wintab (tablet events), and MinGW has no wintab.h. OpenGL goes with its
# dynamic loading, which the Windows platform plugin otherwise compiles in without OpenGL's
# headers. Direct2D stays on, because only it builds the DirectWrite font engine that printing
# needs; its 1.1 platform plugin is off.
echo "Building Qt $qt_version for Windows"
logged qt-configure.log cmake -S "$qt_src" -B qt-windows -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$stage" "${launcher[@]}" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF \
    -DFEATURE_network=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_freetype=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_pkg_config=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_harfbuzz=OFF
logged qt-build.log cmake --build qt-windows -j"$jobs"
logged qt-install.log cmake --install qt-windows

# Debian's cross compilers leave the symbols in: libraries many times their size.
find "$stage" \( -name '*.dll' -o -name '*.exe' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

rm -rf "$sdk_dir" "$sdk_stamp"
mv "$stage" "$sdk_dir"
sdk_built_stamp >"$sdk_stamp"
rm -rf "$work"
echo "The Windows SDK is in $sdk_dir ($(du -sh "$sdk_dir" | cut -f1)), made in $(($(date +%s) - started)) s"
