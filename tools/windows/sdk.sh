# Sourced by the Windows build's scripts and CI: where the Windows SDK (Qt's base module and ICU
# built for Windows) lives, and the stamp that says what made it. Needs $here, the repository.
qt_version=6.4.2
icu_version=72.1
sdk_name=winsdk-qt${qt_version}-icu${icu_version%%.*}-mingw64
# Outside the repository, so that a clean clone and every worktree share one SDK.
sdk_dir=${TESMARA_WINDOWS_SDK:-${XDG_CACHE_HOME:-$HOME/.cache}/tesmara/$sdk_name}
sdk_stamp=$sdk_dir.stamp
# A packed SDK that a machine may keep beside the repository, to save building one.
sdk_cache=$here/../shared/windows-sdk/$sdk_name.tar.xz

# The stamp of an SDK made by this checkout's build-sdk.sh: a changed script makes another SDK.
sdk_built_stamp() {
    printf 'qt %s\nicu %s\nmade by tools/windows/build-sdk.sh %s\n' "$qt_version" "$icu_version" \
        "$(cat "$here/tools/windows/build-sdk.sh" "$here/tools/windows/mingw64-toolchain.cmake" |
            sha256sum | cut -d' ' -f1)"
}

# The stamp of an SDK unpacked from the packed one.
sdk_unpacked_stamp() {
    printf 'qt %s\nicu %s\nunpacked from %s %s\n' "$qt_version" "$icu_version" \
        "$(basename "$sdk_cache")" "$(sha256sum <"$sdk_cache" | cut -d' ' -f1)"
}

# Whether the SDK folder is there with a stamp that this checkout accepts: made by this
# build-sdk.sh, or unpacked from a packed SDK of this name, unless another one is at hand.
sdk_ready() {
    [ -d "$sdk_dir" ] && [ -f "$sdk_stamp" ] || return 1
    local stamp
    stamp=$(cat "$sdk_stamp")
    [ "$stamp" = "$(sdk_built_stamp)" ] && return 0
    [ "$(head -n 2 "$sdk_stamp")" = "$(printf 'qt %s\nicu %s' "$qt_version" "$icu_version")" ] &&
        [[ $stamp == *"unpacked from $(basename "$sdk_cache") "* ]] || return 1
    [ ! -f "$sdk_cache" ] || [ "$stamp" = "$(sdk_unpacked_stamp)" ]
}
