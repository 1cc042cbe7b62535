#!/usr/bin/env bash
# The real program's halo on a desktop with openbox, as a user meets it: it follows each step of a
# drag by the caption strip while the button is still held, with the left and the right button;
# it hides while the window is on another desktop or iconified and comes back with it; it goes
# and comes with the compositing manager, without a move. At every step it must stand exactly
# 16 logical pixels up and left of the window, in device pixels, and directly below it. Run
# through with_display.sh --wm (this script starts and stops xcompmgr itself), optionally with
# QT_SCALE_FACTOR set.
#   halo_e2e.sh <mensurix executable> <work directory>
set -euo pipefail

program=$1
work=$2
scale=${QT_SCALE_FACTOR:-1}

rm -rf "$work"
mkdir -p "$work"
cp "$program" "$work/mensurix"
cp -r "$(dirname "$program")/Languages" "$(dirname "$program")/Units.dat" "$work/"

pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

device() { # logical pixels -> device pixels, rounded
    awk -v v="$1" -v s="$scale" 'BEGIN { x = v * s; printf "%d", (x < 0 ? x - 0.5 : x + 0.5) }'
}
margin=$(device 16)

# Waits up to ten seconds for a check to succeed; the checks poll the X server's own answers.
await() {
    local what=$1
    shift
    local tries
    for ((tries = 0; tries < 200; tries++)); do
        if "$@"; then
            return 0
        fi
        sleep 0.05
    done
    fail "$what"
}

info() { xwininfo -id "$1" 2>/dev/null; }
origin() { # "x y" of a window's top-left corner on the screen
    info "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}'
}
viewable() { info "$1" | grep -q 'Map State: IsViewable'; }
hidden() { ! viewable "$1"; }

compositor_runs() { xwininfo -root -children | grep -q '"xcompmgr"'; }
start_compositor() {
    xcompmgr >/dev/null 2>&1 &
    compositor=$!
    pids+=("$compositor")
    await "xcompmgr did not start" compositor_runs
}
stop_compositor() {
    kill "$compositor"
    wait "$compositor" 2>/dev/null || true
    await "xcompmgr did not stop" eval '! compositor_runs'
}

# The halo: viewable, at the window's origin less the margin, directly below the window's frame.
halo_in_place() {
    viewable "$halo" || return 1
    local wx wy hx hy
    read -r wx wy <<<"$(origin "$window")"
    read -r hx hy <<<"$(origin "$halo")"
    ((hx == wx - margin && hy == wy - margin)) || return 1
    local frame stack
    frame=$(xwininfo -id "$window" -tree | awk '/Parent window id/ {print $4}')
    # xwininfo lists the root's children from the top of the stacking order down.
    stack=$(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}')
    [[ "$(grep -A1 -x "$frame" <<<"$stack" | tail -n 1)" == "$(printf '0x%x' "$halo")" ]]
}
window_at() { [[ "$(origin "$window")" == "$1 $2" ]]; }

# One drag step with the button held: the window goes along, and so does the halo, before the
# button is released.
drag_step() { # dx dy
    local x y
    read -r x y <<<"$(origin "$window")"
    xdotool mousemove_relative --sync -- "$1" "$2"
    await "window did not follow the pointer by $1,$2" window_at $((x + $1)) $((y + $2))
    await "halo not around the window during the drag (step $1,$2)" halo_in_place
}

start_compositor
"$work/mensurix" &
pids+=($!)
await "no main window" eval 'window=$(xdotool search --classname "^mensurix$" 2>/dev/null | head -n 1); [[ -n $window ]] && viewable $window'
await "no halo" eval 'halo=$(xdotool search --classname "^drop-shadow$" 2>/dev/null | head -n 1); [[ -n $halo ]]'
await "halo not around the shown window" halo_in_place

# The halo is no second program window to tools and compositor rules.
[[ "$(xdotool search --class mensurix)" == "$window" ]] || fail "class search finds more than the window"
xprop -id "$halo" _NET_WM_WINDOW_TYPE | grep -q '_NET_WM_WINDOW_TYPE_DND' || fail "halo window type"
xprop -id "$halo" WM_CLASS | grep -q '"drop-shadow", "DropShadow"' || fail "halo class"
xprop -id "$window" WM_NAME | grep -q '"Mensurix ([0-9.]*)"' || fail "window has no WM_NAME"

read -r x y <<<"$(origin "$window")"
xdotool mousemove $((x + $(device 120))) $((y + $(device 12)))
# Odd steps, so that at a fractional scale factor the logical position falls between pixels;
# small ones, so that at 1.5 the window stays clear of the screen edges, where openbox resists.
xdotool mousedown 1
drag_step 17 13
drag_step -29 11
drag_step 23 -19
xdotool mouseup 1
await "halo not around the window after the drag" halo_in_place

# The right button moves the window as well, and the move ends when that button is released.
xdotool mousedown 3
drag_step 31 -19
xdotool mouseup 3
read -r x y <<<"$(origin "$window")"
xdotool mousemove_relative --sync 45 35
# A move that must not happen cannot be awaited: the window is watched for a second.
for _ in $(seq 20); do
    window_at "$x" "$y" || fail "window still follows the pointer after the right button's release"
    sleep 0.05
done

wmctrl -n 2
wmctrl -s 1
await "halo stays on the other desktop" hidden "$halo"
wmctrl -s 0
await "halo not back with the desktop" halo_in_place
wmctrl -i -r "$window" -t 1
await "halo stays when the window goes to another desktop" hidden "$halo"
wmctrl -i -r "$window" -t 0
await "halo not back with the window" halo_in_place

xdotool windowminimize "$window"
await "halo stays beside the iconified window" hidden "$halo"
wmctrl -i -a "$window"
await "halo not back after restoring" halo_in_place

stop_compositor
await "halo still mapped without a compositing manager" hidden "$halo"
start_compositor
await "halo not back with the compositing manager" halo_in_place

read -r x y <<<"$(origin "$window")"
xdotool mousemove $((x + $(device 574))) $((y + $(device 10))) click 1
await "the close button did not end the program" eval '! kill -0 ${pids[1]} 2>/dev/null'
echo "halo e2e passed at scale $scale"
