#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Mensurix need. As root it runs
# apt-get; otherwise it prints the one command to run and fails.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config python3
    qt6-base-dev qt6-base-dev-tools libxcb1-dev libxcb-xfixes0-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libgmp-dev libxcb-damage0-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool xclip xcompmgr openbox wmctrl x11-utils imagemagick
    units
    qt6-wayland weston wl-clipboard
    fonts-dejavu-core fonts-dejavu-extra
    dpkg-dev file gzip lintian desktop-file-utils appstream mmdebstrap util-linux mount
)
if [[ "${1:-}" == "--run-only" ]]; then
    packages=(build-essential cmake ninja-build qt6-base-dev libxcb1-dev libxcb-xfixes0-dev libgl-dev qt6-wayland fonts-dejavu-core fonts-dejavu-extra)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "Mensurix needs these packages; install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
