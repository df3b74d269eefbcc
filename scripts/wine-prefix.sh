# Sourced by the scripts that run the Windows build under Wine.
#
# vte_wine_prefix FOLDER: makes FOLDER a scratch 64-bit Wine prefix (once,
# safely when several tests start at the same time) and exports what every
# Wine call needs. Wine 8 draws no text with the fonts of the fonts-wine
# package alone, so they are copied into the prefix.
vte_wine_prefix() {
    WINEPREFIX=$(realpath -m "$1")
    export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
    # Mono and Gecko are never needed and would only be offered.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    [ -f "$WINEPREFIX/.vteditor-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.vteditor-ready" ]; then
            # Without the 32-bit half Wine says it cannot run 32-bit helpers, which nothing here needs.
            wineboot --init >/dev/null 2>&1
            cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
            wineserver -w
            touch "$WINEPREFIX/.vteditor-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
}

# vte_wine_look LOOK: sets the prefix up as a Windows desktop of that look,
# once: "tahoma-96" as Wine comes (Tahoma 8 pt at 100 %), "tahoma-144" at
# 150 % (the LogPixels that Windows' display scaling sets), "dejavu-96" with a
# wider dialog font, DejaVu Sans 9 pt, close to Segoe UI's metrics, which Wine lacks.
vte_wine_look() {
    [ -f "$WINEPREFIX/.vteditor-look" ] && return 0
    case $1 in
    tahoma-96) ;;
    tahoma-144) wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 ;;
    # The message font as a LOGFONTW: height -12, weight 400, DEFAULT_CHARSET, face "DejaVu Sans".
    dejavu-96) wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v MessageFont /t REG_BINARY /f /d \
        "f4ffffff000000000000000000000000900100000000000100000000440065006a006100560075002000530061006e007300$(printf '%084d' 0)" >/dev/null 2>&1 ;;
    *) echo "vte_wine_look: no look $1" >&2; return 1 ;;
    esac
    wineserver -w
    touch "$WINEPREFIX/.vteditor-look"
}

# vte_on_xvfb COMMAND...: runs a Wine command on an X server of its own. The
# server picks a free display itself (xvfb-run -a can give two servers started
# at once the same one) and does not reset when a client leaves; the prefix's
# Wine processes, its desktop among them, end before the server does.
vte_on_xvfb() {
    displayfile=$(mktemp "${TMPDIR:-/tmp}/vteditor-xvfb.XXXXXX")
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$displayfile" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 300); do
        [ -s "$displayfile" ] && break
        sleep 0.1
    done
    status=0
    DISPLAY=":$(cat "$displayfile")" "$@" || status=$?
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$displayfile"
    return "$status"
}

# vte_windows_path PATH: the path as a Windows program sees it, through Wine's drive Z:.
vte_windows_path() {
    printf 'Z:%s' "$(realpath -m "$1")" | tr / '\\'
}

# vte_wine_dll_path QT_PREFIX: exports WINEPATH so that programs find the Qt
# and MinGW runtime DLLs where they were installed, without copies beside them.
vte_wine_dll_path() {
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
    WINEPATH="$(vte_windows_path "$1/bin");$(vte_windows_path "$runtime");$(vte_windows_path /usr/x86_64-w64-mingw32/lib)"
    export WINEPATH
}
