# Sourced by the browser build's scripts: where the web SDK (Qt's base module and ICU built for
# WebAssembly with Debian's emscripten) lives, and the stamp that says what made it. Needs $here,
# the repository.
qt_version=6.4.2
icu_version=72.1
emscripten_version=3.1.6
sdk_name=websdk-qt${qt_version}-icu${icu_version%%.*}-emscripten${emscripten_version}
# Outside the repository, so that a clean clone and every worktree share one SDK.
sdk_dir=${TESMARA_WEB_SDK:-${XDG_CACHE_HOME:-$HOME/.cache}/tesmara/$sdk_name}
sdk_stamp=$sdk_dir.stamp
# A packed SDK that a machine may keep beside the repository, to save building one: qt-wasm/ and
# icu-wasm/ as build-sdk.sh installs them.
sdk_cache=$here/../shared/web-sdk/wasm-qt${qt_version}-icu${icu_version%%.*}-emscripten${emscripten_version}.tar.xz

# Qt reads the compiler's place from an emsdk layout ($EMSDK/.emscripten and
# $EMSDK/upstream/emscripten/emcc); Debian's emscripten is laid out otherwise, so the SDK keeps a
# small stand-in that points at it. Emscripten's tools look for their node modules (acorn) in
# Debian's folder, which a node not of Debian's does not search.
export EMSDK=$sdk_dir/emsdk
export NODE_PATH=/usr/share/nodejs
# Qt's toolchain file would look for emscripten's own toolchain file in the stand-in.
emscripten_toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# The stamp of an SDK made by this checkout's build-sdk.sh: a changed script or patch makes another SDK.
sdk_built_stamp() {
    printf 'qt %s\nicu %s\nemscripten %s\nmade by tools/web/build-sdk.sh %s\n' "$qt_version" \
        "$icu_version" "$emscripten_version" \
        "$(cat "$here/tools/web/build-sdk.sh" "$here"/tools/web/patches/*.patch | sha256sum | cut -d' ' -f1)"
}

# The stamp of an SDK unpacked from the packed one.
sdk_unpacked_stamp() {
    printf 'qt %s\nicu %s\nemscripten %s\nunpacked from %s %s\n' "$qt_version" "$icu_version" \
        "$emscripten_version" "$(basename "$sdk_cache")" "$(sha256sum <"$sdk_cache" | cut -d' ' -f1)"
}

# Whether the SDK folder is there with a stamp that this checkout accepts: made by this
# build-sdk.sh, or unpacked from a packed SDK of this name, unless another one is at hand.
sdk_ready() {
    [ -d "$sdk_dir" ] && [ -f "$sdk_stamp" ] || return 1
    local stamp
    stamp=$(cat "$sdk_stamp")
    [ "$stamp" = "$(sdk_built_stamp)" ] && return 0
    [ "$(head -n 3 "$sdk_stamp")" = "$(printf 'qt %s\nicu %s\nemscripten %s' "$qt_version" \
        "$icu_version" "$emscripten_version")" ] &&
        [[ $stamp == *"unpacked from $(basename "$sdk_cache") "* ]] || return 1
    [ ! -f "$sdk_cache" ] || [ "$stamp" = "$(sdk_unpacked_stamp)" ]
}

# The emsdk stand-in inside a folder that becomes the SDK.
make_emsdk_layout() {
    mkdir -p "$1/emsdk/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$1/emsdk/.emscripten"
    ln -sf /usr/bin/emcc "$1/emsdk/upstream/emscripten/emcc"
}

# The version of the installed emscripten, e.g. 3.1.6; empty when it is not installed.
installed_emscripten() {
    dpkg-query -W -f='${Version}' emscripten 2>/dev/null | sed 's/[~+-].*//'
}
