#!/usr/bin/env bash
# Runs a command as a client of a fresh Wayland compositor and returns the command's exit code.
#
#   with_wayland.sh -- command args...
#
# Starts weston with the kiosk shell on the X display of with_display.sh, with its X11 backend
# and the pixman renderer: unlike weston's headless backend it has a seat (keyboard and pointer),
# without which no client gets input or can set or read the clipboard, and like it it needs no
# GPU, D-Bus or login session and runs as root. Input for the clients goes to weston's X window
# (xdotool). The command runs with WAYLAND_DISPLAY set, a private XDG_RUNTIME_DIR and
# QT_QPA_PLATFORM=wayland; weston is stopped again whatever happens.
set -euo pipefail

[[ "${1:-}" == "--" ]] || { echo "usage: $(basename "$0") -- command args..." >&2; exit 2; }
shift
# weston, and what its clients are driven and read back with.
for tool in weston:weston xdotool:xdotool wl-paste:wl-clipboard; do
    command -v "${tool%%:*}" >/dev/null ||
        { echo "$(basename "$0"): ${tool%%:*} missing (package ${tool#*:})" >&2; exit 1; }
done
[[ -n "${DISPLAY:-}" ]] || { echo "$(basename "$0"): run under with_display.sh" >&2; exit 1; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
cleanup() {
    if [[ -n $weston_pid ]]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export XDG_RUNTIME_DIR=$runtime
weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --socket=wayland-test \
    --shell=kiosk-shell.so --idle-time=0 --no-config --log="$runtime/weston.log" &
weston_pid=$!
# The socket appears once weston accepts clients.
for ((tries = 0; tries < 200; tries++)); do
    [[ -S "$runtime/wayland-test" ]] && break
    kill -0 "$weston_pid" 2>/dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
    sleep 0.05
done
[[ -S "$runtime/wayland-test" ]] ||
    { echo "$(basename "$0"): weston did not become ready" >&2; exit 1; }

export WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
status=0
"$@" || status=$?
exit "$status"
