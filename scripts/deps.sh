# Installs the Debian packages the editor needs for the given purpose ("build"
# or "test"), asking apt only when one is missing. Sourced by run and test.

vte_packages_build="build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core"
vte_packages_test="$vte_packages_build xvfb xauth xdotool clang libclang-rt-14-dev clang-format clang-tidy \
desktop-file-utils appstream dpkg-dev file imagemagick"

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
