#!/usr/bin/env bash
# The Windows program from the portable zip, under Wine on X with a window manager and a
# compositing manager: the window appears centred with its designed picture, rounded outline and
# halo; a typed value converts and is copied through the menu into X's clipboard; the language
# menu switches to German; closing writes options.ini beside the program. Run through
# with_display.sh --wm --compositor, with WINEPREFIX set.
#   window_e2e.sh <portable zip> <background.jpg> <work directory>
set -euo pipefail

zip=$1
background=$2
work=$3

source "$(dirname "$0")/../e2e/converter_window.sh"

rm -rf "$work"
mkdir -p "$work"
(cd "$work" && cmake -E tar xf "$zip")
folder=$(find "$work" -mindepth 1 -maxdepth 1 -type d)
# Only what the zip holds: no run-time or Qt folder of the build machine on Wine's search path.
unset WINEPATH

/usr/lib/wine/wine64 "$folder/mensurix.exe" &
pid=$!
find_converter "$pid"
screen=$(xdpyinfo | awk '/dimensions:/ {print $2}')
width=${screen%x*}
height=${screen#*x}
((left == (width - 610) / 2 && top == (height - 450) / 2)) ||
    fail "window at $left,$top is not centred on ${width}x$height"

# The halo is a layered window of its own, around the window by the halo's margin.
margin=16
halo_found=0
for candidate in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$candidate")"
    if ((WIDTH == 610 + 2 * margin && HEIGHT == 450 + 2 * margin &&
        X == left - margin && Y == top - margin)); then
        halo_found=1
    fi
done
((halo_found)) || fail "no halo window around the window"

# Type a value and copy the millimetre row (the fourth of Length) through the menu: Wine's
# clipboard is X's.
click 400 134
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 30 "1234.5"
sleep 0.5
row_y=$((156 + 2 + 3 * 18 + 9))
echo stale | xclip -selection clipboard
click 400 "$row_y" 3
xdotool key Down Return
sleep 1
copied=$(xclip -o -selection clipboard | tr -d '\r')
[[ "$copied" == "1,234,500" ]] || fail "clipboard holds '$copied'"

# The picture stands where it belongs, inside the rounded outline.
check_window_picture "$work/shot.png" "$background" 8

# The language menu: German is its third item.
click 480 12
xdotool key Down Down Down Return
sleep 0.5
close_converter "$pid"
settings=$folder/options.ini
[[ -f $settings ]] || fail "no options.ini beside the program"
grep -qE $'^Default=2\r?$' "$settings" || fail "German not saved: $(cat "$settings")"
ls "$folder" | grep -q '\.tmp$' && fail "a temporary file is left beside options.ini"
echo "Windows window e2e passed"
