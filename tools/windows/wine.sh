# Sourced by check.sh and startup.sh: a private Wine session for Windows programs. wine_session
# makes a temporary folder with a HOME and a Wine prefix of its own, so nothing is written into
# the user's HOME, starts a private X screen and one Wine server for the whole session, and sets
# up Wine as a Japanese Windows; everything goes again when the script exits. Needs $here.
. "$here/tools/windows/packages.sh"

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

# A Windows path of this machine's file, as Wine shows its root on drive Z:.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Waits up to $1 seconds for a command to succeed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# Programs the script started and that must not outlive it.
session_pids=()
wine_session_end() {
    local pid
    for pid in "${session_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    # Only this session's Wine server, which stops this prefix's programs.
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && "$wineserver" -k 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    [ -n "${work:-}" ] && rm -rf "$work"
    return 0
}

wine_session() {
    install_packages wine wine64 fonts-wine xvfb xdotool x11-utils x11-apps imagemagick \
        fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35 locales
    # A Japanese Windows: Wine takes its code page (932) and its texts from the locale.
    if ! locale -a | grep -qix 'ja_JP.utf8'; then
        as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
    fi

    work=$(mktemp -d "${TMPDIR:-/tmp}/tesmara-wine.XXXXXX")
    trap wine_session_end EXIT
    # Wine links the prefix's documents folder to the one in HOME: a HOME of its own keeps the
    # user's untouched.
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config \
        XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache \
        WINEPREFIX=$work/prefix WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 \
        WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
    mkdir -p "$HOME" "$WINEPREFIX"

    local n display=
    for n in $(seq 150 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }
    done
    [ -n "$display" ] || { echo "no free X display" >&2; return 1; }
    Xvfb "$display" -screen 0 "${TESMARA_WINE_SCREEN:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=$display
    wait_for 10 xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; return 1; }

    # One Wine server for the session: Wine's services start once, not for every program.
    "$wineserver" -p
    "$wine" wineboot -i >/dev/null 2>&1
    # Without a window manager Wine waits two seconds whenever a window hides, unless it places
    # its windows itself. The fonts of a Japanese Windows are the IPA fonts here, and Bookman Old
    # Style, which comes with Office, is URW's Bookman.
    { printf '\xef\xbb\xbf'; cat <<'EOF'; } | iconv -f UTF-8 -t UTF-16LE >"$work/settings.reg"
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ 明朝"="IPAMincho"
"ＭＳ Ｐ明朝"="IPAPMincho"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"
"MS Mincho"="IPAMincho"
"Meiryo"="IPAPGothic"
"Meiryo UI"="IPAPGothic"
"Yu Gothic UI"="IPAPGothic"
"Bookman Old Style"="URW Bookman"
EOF
    "$wine" regedit /S "$(winpath "$work/settings.reg")"
}
