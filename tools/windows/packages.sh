# Sourced by the Windows and browser builds' scripts: installs the Debian packages a script
# names, if any is missing, as tools/install-deps.sh does for the Linux build.
install_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Runs a command as root, through sudo unless this is root already.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo --preserve-env=DEBIAN_FRONTEND "$@"
    else
        echo "Please run as root: $*" >&2
        return 1
    fi
}

# Sets qt_source and icu_source to the source versions of the installed Qt and ICU, which must be
# those of $qt_version and $icu_version (Qt's host tools and icupkg are Debian's own), and makes
# sure apt can fetch their sources: the machine's own Debian entry names its mirror, and the same
# entry with deb-src is added beside it, so no mirror is named here.
find_debian_sources() {
    qt_source=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    icu_source=$(dpkg-query -W -f='${source:Version}' libicu-dev)
    case "$qt_source" in "$qt_version"+*) ;; *)
        echo "build-sdk.sh: this machine's Qt is $qt_source, the SDK is made for $qt_version" >&2
        return 1 ;;
    esac
    case "$icu_source" in "$icu_version"-*) ;; *)
        echo "build-sdk.sh: this machine's ICU is $icu_source, the SDK is made for $icu_version" >&2
        return 1 ;;
    esac
    apt-cache showsrc qt6-base 2>/dev/null | grep -qx "Version: $qt_source" && return 0
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            as_root tee /etc/apt/sources.list.d/tesmara-deb-src.sources >/dev/null
    elif grep -qs '^deb ' /etc/apt/sources.list; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            as_root tee /etc/apt/sources.list.d/tesmara-deb-src.list >/dev/null
    else
        echo "build-sdk.sh: found no Debian entry in /etc/apt to derive a deb-src entry from" >&2
        return 1
    fi
    as_root apt-get update -qq
}
