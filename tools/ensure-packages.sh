#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Mensurix need, then checks that
# every outside command the scripts and tests call is there. As root it runs apt-get; otherwise it
# prints the one command to run and fails.
#
#   tools/ensure-packages.sh              everything tools/test.sh needs
#   tools/ensure-packages.sh --run-only   what tools/run.sh needs
#   tools/ensure-packages.sh --windows    what tools/test-windows.sh needs
set -euo pipefail

# Each command the scripts and tests call, with the package that brings it.
run_commands=(
    cmake:cmake ninja:ninja-build g++:g++
)
test_commands=(
    "${run_commands[@]}" ctest:cmake cpack:cmake python3:python3 clang++:clang git:git awk:mawk
    Xvfb:xvfb openbox:openbox wmctrl:wmctrl xcompmgr:xcompmgr xwininfo:x11-utils
    xdpyinfo:x11-utils xprop:x11-utils xdotool:xdotool xclip:xclip convert:imagemagick
    import:imagemagick units:units localedef:libc-bin weston:weston wl-paste:wl-clipboard
    dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev file:file gzip:gzip lintian:lintian
    desktop-file-validate:desktop-file-utils appstreamcli:appstream mmdebstrap:mmdebstrap
    findmnt:util-linux setpriv:util-linux mount:mount dbus-run-session:dbus-daemon
    /usr/libexec/at-spi-bus-launcher:at-spi2-core
)
windows_commands=(
    cmake:cmake ctest:cmake ninja:ninja-build git:git
    x86_64-w64-mingw32-gcc-posix:gcc-mingw-w64-x86-64-posix
    x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix
    x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64
    /usr/lib/wine/wine64:wine64 /usr/lib/wine/wineserver:wine64
    dpkg-source:dpkg-dev patch:patch makensis:nsis cpack:cmake
    Xvfb:xvfb openbox:openbox wmctrl:wmctrl xcompmgr:xcompmgr xwininfo:x11-utils
    xdpyinfo:x11-utils xdotool:xdotool xclip:xclip convert:imagemagick import:imagemagick
)

run_packages=(build-essential cmake ninja-build qt6-base-dev libxcb1-dev libxcb-xfixes0-dev
    libgl-dev qt6-wayland fonts-dejavu-core fonts-dejavu-extra)
# GoogleTest's sources; Qt's source comes through apt and dpkg-source, and builds with the
# installed Qt's tools, which also build the halo generator for this machine; NSIS makes the
# installer; the window is driven on Xvfb.
windows_packages=("${run_packages[@]}" git g++-mingw-w64-x86-64-posix wine64 googletest
    qt6-base-dev-tools dpkg-dev patch nsis
    xvfb xauth xdotool xclip xcompmgr openbox wmctrl x11-utils imagemagick)
test_packages=(
    "${run_packages[@]}" "${windows_packages[@]}" pkg-config python3 qt6-base-dev-tools mawk
    libgtest-dev libgmock-dev libbenchmark-dev libgmp-dev libxcb-damage0-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool xclip xcompmgr openbox wmctrl x11-utils imagemagick
    units locales
    weston wl-clipboard
    dbus-daemon at-spi2-core python3-pyatspi
    dpkg-dev file gzip lintian desktop-file-utils appstream mmdebstrap util-linux mount
)

case "${1:-}" in
--run-only) packages=("${run_packages[@]}") commands=("${run_commands[@]}") ;;
--windows) packages=("${windows_packages[@]}") commands=("${windows_commands[@]}") ;;
"") packages=("${test_packages[@]}") commands=("${test_commands[@]}" "${windows_commands[@]}") ;;
*) echo "usage: $0 [--run-only | --windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    if [[ $(id -u) -ne 0 ]]; then
        echo "Mensurix needs these packages; install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A package can be installed while its command is not (removed by hand, a broken alternative):
# stop here, naming it, rather than fail later inside a test.
absent=()
for entry in "${commands[@]}"; do
    command -v "${entry%%:*}" >/dev/null || absent+=("${entry%%:*} (Debian package ${entry#*:})")
done
if [[ ${#absent[@]} -gt 0 ]]; then
    printf 'Mensurix needs these commands, which are missing:\n' >&2
    printf '  %s\n' "${absent[@]}" >&2
    exit 1
fi
