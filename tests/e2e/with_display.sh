#!/usr/bin/env bash
# Runs a command on a fresh X display and returns the command's exit code.
#
#   with_display.sh [--wm] [--compositor] [--screen WIDTHxHEIGHT] -- command args...
#
# Starts Xvfb (1024x768 unless told otherwise, 24 bits) on a display number it picks itself
# among the free ones, then, when asked, the openbox window manager (--wm) and the xcompmgr
# compositing manager (--compositor), and waits until each of them is ready. The command runs
# with DISPLAY set to that display and QT_QPA_PLATFORM unset, so Qt programs use it. Whatever
# happens, everything started here is stopped again before the script exits.
set -euo pipefail

usage() {
    echo "usage: $(basename "$0") [--wm] [--compositor] [--screen WIDTHxHEIGHT] -- command..." >&2
    exit 2
}

want_wm=0
want_compositor=0
screen=1024x768
while [[ $# -gt 0 ]]; do
    case "$1" in
    --wm) want_wm=1 ;;
    --compositor) want_compositor=1 ;;
    --screen) [[ $# -gt 1 && $2 =~ ^[0-9]+x[0-9]+$ ]] || usage; screen=$2; shift ;;
    --) shift; break ;;
    *) usage ;;
    esac
    shift
done
[[ $# -gt 0 ]] || usage

# Each tool, with the Debian package that has it (tools/ensure-packages.sh installs them all).
need() {
    command -v "$1" >/dev/null ||
        { echo "$(basename "$0"): $1 is missing; install the Debian package $2" >&2; exit 1; }
}
need Xvfb xvfb
if [[ $want_wm -eq 1 ]]; then
    need openbox openbox
    need wmctrl wmctrl
fi
if [[ $want_compositor -eq 1 ]]; then
    need xcompmgr xcompmgr
    need xwininfo x11-utils
fi

started=()
scratch=$(mktemp -d)
cleanup() {
    local i
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill "${started[i]}" 2>/dev/null || true
    done
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        wait "${started[i]}" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Waits up to ten seconds for a check command to succeed, and no longer than the program last
# started lives.
wait_until() {
    local what=$1
    shift
    local tries
    for ((tries = 0; tries < 200; tries++)); do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        if ! kill -0 "${started[-1]}" 2>/dev/null; then
            echo "$(basename "$0"): $what ended before it was ready:" >&2
            cat "$scratch/$what.log" >&2
            exit 1
        fi
        sleep 0.05
    done
    echo "$(basename "$0"): $what did not become ready" >&2
    exit 1
}

display_number_written() { [[ -s "$scratch/display" ]] && grep -q '^[0-9]' "$scratch/display"; }

# -displayfd makes Xvfb choose a free display itself and write its number once it accepts
# connections, so neither a guessed number nor a fixed wait is needed.
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$scratch/display" \
    >"$scratch/Xvfb.log" 2>&1 &
started+=($!)
wait_until "Xvfb" display_number_written
export DISPLAY=":$(head -n 1 "$scratch/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

if [[ $want_wm -eq 1 ]]; then
    openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
    started+=($!)
    # wmctrl succeeds once a window manager has announced itself on the root window.
    wait_until "openbox" wmctrl -m
fi

compositor_ready() { xwininfo -root -children | grep -q '"xcompmgr"'; }
if [[ $want_compositor -eq 1 ]]; then
    xcompmgr >"$scratch/xcompmgr.log" 2>&1 &
    started+=($!)
    # xcompmgr creates its named selection window once it has taken over the screen.
    wait_until "xcompmgr" compositor_ready
fi

status=0
"$@" || status=$?
exit "$status"
