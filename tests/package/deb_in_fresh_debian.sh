#!/usr/bin/env bash
# Installs the .deb with apt-get into a fresh, minimal Debian 12 chroot and starts the program
# there: mensurix-cli converts, and the window, started from its menu entry's Exec line on the X
# display this script runs under, opens without an error box; closing it writes root's
# ~/.config/mensurix/options.ini, which only a start that found its catalogue does. Needs root
# (chroot, mount) and the package archive this machine's apt is configured for; each step has a
# time limit, so it fails rather than hangs, also when it runs inside such a chroot itself.
# The base system is made with mmdebstrap once and kept in /var/tmp. Run through
# with_display.sh --wm.
#   deb_in_fresh_debian.sh <packages directory> <work directory>
# Exits with 77 (skipped) when not run as root.
set -euo pipefail

packages=$1
work=$2

source "$(dirname "$0")/../e2e/converter_window.sh"

if [[ $(id -u) -ne 0 ]]; then
    echo "skipped: installing into a chroot needs root"
    exit 77
fi
for tool in mmdebstrap:mmdebstrap chroot:coreutils mount:mount findmnt:util-linux; do
    command -v "${tool%%:*}" >/dev/null ||
        fail "${tool%%:*} is missing; install the Debian package ${tool#*:}"
done
deb=$(echo "$packages"/mensurix_*.deb)
[[ -f "$deb" ]] || fail "no .deb in $packages"

base=/var/tmp/mensurix-debian-12-base.tar
if [[ ! -s "$base" ]]; then
    echo "making a Debian 12 base system with mmdebstrap"
    # The machine's own apt sources serve as the mirror: mmdebstrap copies a sources file given
    # in its place into the new system.
    sources=()
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources; do
        [[ -s "$file" ]] && sources+=("$file")
    done
    [[ ${#sources[@]} -gt 0 ]] || fail "this machine has no apt sources to make the chroot from"
    timeout 600 mmdebstrap --quiet --variant=apt bookworm "$base.$$.tar" "${sources[@]}" ||
        fail "mmdebstrap could not make a Debian 12 base system from ${sources[*]}"
    mv "$base.$$.tar" "$base"
fi

root=$work/root
pid=
cleanup() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
    local mount
    for mount in tmp/.X11-unix dev proc; do
        umount -R "$root/$mount" 2>/dev/null || umount -R -l "$root/$mount" 2>/dev/null || true
    done
    # Never follows a mount that is still there into the host's own folders.
    if [[ -z $(findmnt -rn -o TARGET | grep -F "$root/") ]]; then
        rm -rf --one-file-system "$root"
    else
        echo "left $root in place: something is still mounted inside it" >&2
    fi
}
trap cleanup EXIT

[[ -d "$root" ]] && cleanup
mkdir -p "$root"
tar -C "$root" -xf "$base"
mount -t proc proc "$root/proc" || fail "cannot mount /proc in the chroot"
mount --rbind /dev "$root/dev" || fail "cannot bind /dev into the chroot"
mount --make-rslave "$root/dev"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" || fail "cannot bind the X socket folder"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"

# A command run in the chroot keeps this process id: chroot, env and sh each exec the next.
in_root=(chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root
    DEBIAN_FRONTEND=noninteractive DISPLAY="$DISPLAY")
# Only the package's own dependencies, no recommendations, so that they alone must suffice.
"${in_root[@]}" timeout 600 sh -c "apt-get update -qq && apt-get install -y -qq --no-install-recommends \
    /tmp/$(basename "$deb")" >"$work/apt.log" 2>&1 ||
    fail "apt-get could not install the package: $(tail -n 20 "$work/apt.log")"

cli=$("${in_root[@]}" timeout 60 mensurix-cli 1 mi m) || fail "mensurix-cli ended with status $?"
[[ $cli == 1609.344 ]] || fail "mensurix-cli 1 mi m printed: $cli"

entry=$root/usr/share/applications/org.mensurix.Mensurix.desktop
command=$(sed -n 's/^Exec=//p' "$entry")
[[ -n "$command" ]] || fail "no Exec line in the installed menu entry"
"${in_root[@]}" sh -c "exec $command" &
pid=$!
find_converter "$pid"
close_converter "$pid"
pid=
settings=$root/root/.config/mensurix/options.ini
grep -q '^Class=0' "$settings" 2>/dev/null || fail "no settings written after a clean start"
[[ ! -e "$root/usr/bin/options.ini" ]] || fail "settings written into /usr/bin"
echo "the package installs and starts in a fresh Debian 12"
