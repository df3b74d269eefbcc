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
