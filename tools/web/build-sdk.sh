#!/usr/bin/env bash
# Makes the SDK the browser build needs, from Debian's own packages: Qt's base module (Core, Gui,
# Widgets, PrintSupport, the wasm platform) built statically for WebAssembly with Debian's
# emscripten, and ICU's common library with its data cut down to the one converter the program
# opens. Unpacks the packed SDK from ../shared/web-sdk/ when there is one of this name (seconds);
# otherwise builds from Debian's sources (about 45 minutes on 2 busy cores). Writes the stamp
# beside the SDK folder named in tools/web/sdk.sh.
#   tools/web/build-sdk.sh                 TESMARA_WEB_SDK=DIR names another SDK folder
#   tools/web/build-sdk.sh --from-source   builds even when a packed SDK is at hand
#   TESMARA_JOBS=N sets the compile jobs (2 by default)
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
. "$here/tools/windows/packages.sh"
. "$here/tools/web/sdk.sh"
jobs=${TESMARA_JOBS:-2}
from_source=false
[ "${1:-}" = --from-source ] && from_source=true
started=$(date +%s)

install_packages emscripten binaryen xz-utils
if [ "$(installed_emscripten)" != "$emscripten_version" ]; then
    echo "build-sdk.sh: this machine's emscripten is $(installed_emscripten), the SDK is made for $emscripten_version" >&2
    exit 1
fi

if ! $from_source && sdk_ready; then
    echo "The web SDK is in $sdk_dir"
    exit 0
fi

stage=$sdk_dir.partial
rm -rf "$stage"
mkdir -p "$(dirname "$sdk_dir")"

# The packed SDK was installed with the prefix /tmp/wasm; it is used where it is unpacked as it
# is: Qt's CMake packages find everything relative to themselves, and the old prefix stays only
# in what a CMake build of a program never reads (qmake's files, the place Qt's own modules were
# built in, the prefix QLibraryInfo reports).
if ! $from_source && [ -f "$sdk_cache" ]; then
    echo "Unpacking $sdk_cache into $sdk_dir"
    mkdir -p "$stage"
    tar -xJf "$sdk_cache" -C "$stage"
    make_emsdk_layout "$stage"
    rm -rf "$sdk_dir" "$sdk_stamp"
    mv "$stage" "$sdk_dir"
    sdk_unpacked_stamp >"$sdk_stamp"
    echo "The web SDK is in $sdk_dir ($(du -sh "$sdk_dir" | cut -f1)), unpacked in $(($(date +%s) - started)) s"
    exit 0
fi

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
# Qt; icupkg and genccode are Debian's own build of the same ICU.
install_packages build-essential cmake ninja-build dpkg-dev python3 \
    qt6-base-dev qt6-base-dev-tools libicu-dev icu-devtools

find_debian_sources

work=${TMPDIR:-/tmp}/tesmara-websdk-build
rm -rf "$work"
mkdir -p "$work" "$stage"
make_emsdk_layout "$stage"
cd "$work"
echo "Fetching the sources of qt6-base $qt_source and icu $icu_source"
logged fetch.log apt-get source "qt6-base=$qt_source" "icu=$icu_source"
qt_src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
icu_src=$(find "$work" -maxdepth 1 -type d -name 'icu-*' | head -n 1)/source

# This Qt's wasm platform misses four includes that emscripten's older C++ library does not
# bring in by the way.
for patch in "$here"/tools/web/patches/*.patch; do
    logged patch.log patch -p1 -d "$qt_src" -i "$patch"
done

# ICU: only its common library is built; its build runs none of the tools of a build for this
# machine, so the cross build it asks for is a stand-in that points at Debian's tools.
echo "Building ICU for WebAssembly"
mkdir -p icu-host/config icu-host/bin icu-host/lib icu-wasm/lib icu-wasm/bin
for tool in icupkg genccode gencmn pkgdata; do
    ln -s "/usr/bin/$tool" "icu-host/bin/$tool"
done
printf '%s\n' "CROSS_ICU_VERSION=$icu_version" 'TOOLEXEEXT=' 'TOOLBINDIR=$(cross_buildroot)/bin' \
    'TOOLLIBDIR=$(cross_buildroot)/lib' 'INVOKE=' 'PKGDATA_INVOKE=' >icu-host/config/icucross.mk
# Names the build folder of a Windows host only; empty for this one.
: >icu-host/config/icucross.inc
cd icu-wasm
logged icu-configure.log env CFLAGS=-O2 CXXFLAGS='-O2 -std=c++17' \
    emconfigure "$icu_src/configure" --host=wasm32-unknown-linux --with-cross-build="$work/icu-host" \
    --enable-static --disable-shared --disable-tools --disable-tests --disable-samples \
    --disable-extras --disable-icuio --disable-layoutex --disable-dyload --with-data-packaging=static
logged icu-common.log emmake make -j"$jobs" -C common
logged icu-stubdata.log emmake make -j"$jobs" -C stubdata
mkdir -p "$stage/icu-wasm/lib" "$stage/icu-wasm/include/unicode"
cp lib/libicuuc.a "$stage/icu-wasm/lib/"
cp "$icu_src"/common/unicode/*.h "$stage/icu-wasm/include/unicode/"
cd "$work"

# ICU's data: the program opens one converter, windows-31j, which ICU keeps as ibm-943_P15A-2003
# and finds through its alias table; the rest (30 MB of locales, collation, other code pages) is
# left out. The cut data becomes a C array under the name ICU's static data build looks for.
echo "Cutting ICU's data to the Shift-JIS converter"
icu_major=${icu_version%%.*}
data=$icu_src/data/in/icudt${icu_major}l.dat
printf '%s\n' cnvalias.icu ibm-943_P15A-2003.cnv >keep.txt
icupkg -l "$data" | grep -vxF -f keep.txt >leave-out.txt
mkdir icu-data
icupkg -r leave-out.txt "$data" "icu-data/icudt${icu_major}l.dat"
logged genccode.log genccode -d icu-data "icu-data/icudt${icu_major}l.dat"
sed -i "s/\bicudt${icu_major}l_dat\b/icudt${icu_major}_dat/" "icu-data/icudt${icu_major}l_dat.c"
emcc -O2 -I"$stage/icu-wasm/include" -c "icu-data/icudt${icu_major}l_dat.c" \
    -o "icu-data/icudt${icu_major}_dat.o"
emar rcs "$stage/icu-wasm/lib/libicudata.a" "icu-data/icudt${icu_major}_dat.o"

# Qt: static, without threads (a page with threads needs headers a plain web server does not
# send), and without what the program does not use. OpenGL cannot be switched off on this
# platform: its compositor draws with WebGL.
echo "Building Qt $qt_version for WebAssembly"
export EMSDK=$stage/emsdk  # the stand-in moves with the SDK when it is done
mkdir qt-build
cd qt-build
logged qt-configure.log "$qt_src/configure" -prefix "$stage/qt-wasm" -xplatform wasm-emscripten \
    -qt-host-path /usr -static -release -nomake tests -nomake examples -no-dbus -no-icu \
    -no-fontconfig -no-glib -no-zstd -no-pch -qt-zlib -qt-libpng -qt-pcre -qt-freetype \
    -qt-harfbuzz -qt-doubleconversion -no-feature-thread -no-feature-sql -no-feature-network \
    -no-feature-testlib -no-feature-xml -no-feature-concurrent -no-feature-jpeg -no-feature-gif \
    -no-feature-vulkan -- -G Ninja -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_TOOLCHAIN_FILE="$emscripten_toolchain"
logged qt-build.log cmake --build . -j"$jobs"
logged qt-install.log cmake --install .
cd "$work"

rm -rf "$sdk_dir" "$sdk_stamp"
mv "$stage" "$sdk_dir"
sdk_built_stamp >"$sdk_stamp"
rm -rf "$work"
echo "The web SDK is in $sdk_dir ($(du -sh "$sdk_dir" | cut -f1)), made in $(($(date +%s) - started)) s"
