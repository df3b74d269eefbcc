# Installs the Debian packages the editor needs for the given purpose ("build",
# "test" or "windows"), asking apt only when one is missing. Sourced by the
# scripts that build.

vte_packages_build="build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core"
vte_packages_test="$vte_packages_build xvfb xauth xdotool clang libclang-rt-14-dev clang-format clang-tidy \
desktop-file-utils appstream dpkg-dev file imagemagick dbus-daemon at-spi2-core python3-pyatspi"
# The Windows program: MinGW-w64 (posix threads, which Qt needs), the host's Qt
# for moc, rcc and uic, NSIS for the installer; Wine with its fonts, Xvfb and
# xdotool to run and drive it.
vte_packages_windows="$vte_packages_build g++-mingw-w64-x86-64-posix nsis wine wine64 fonts-wine \
xvfb xauth xdotool imagemagick"

vte_install() {
    eval "wanted=\$vte_packages_$1"
    missing=""
    for pkg in $wanted; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing="$missing $pkg"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
