#!/usr/bin/env bash
# Drives the real program under X: types a value, copies a result through the right-click menu,
# checks the clipboard and the picture on screen, then changes the settings, closes, restarts
# and checks that they survived. Run through with_display.sh --wm --compositor.
#   converter_e2e.sh <mensurix executable> <background.jpg> <work directory>
set -euo pipefail

program=$1
background=$2
work=$3

rm -rf "$work"
mkdir -p "$work"
cp "$program" "$work/mensurix"
cp -r "$(dirname "$program")/Languages" "$work/"
cp "$(dirname "$program")/Units.dat" "$work/"

source "$(dirname "$0")/../converter_window.sh"

start() {
    "$work/mensurix" &
    pid=$!
    find_converter "$pid"
}

start
screen=$(xdpyinfo | awk '/dimensions:/ {print $2}')
width=${screen%x*}
height=${screen#*x}
((left == (width - 610) / 2 && top == (height - 450) / 2)) ||
    fail "window at $left,$top is not centred on ${width}x$height"
# The icon is set after the first picture; the window carries it all the same. grep reads the
# whole list: with -q it would stop at the match and xprop's broken pipe fail the check.
xprop -id "$window" _NET_WM_ICON | grep 'Icon (32 x 32)' >/dev/null || fail "the window has no icon"

# Type a value, then copy the millimetre row (the fourth of Length) through the menu.
click 400 134
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 30 "1234.5"
sleep 0.3
row_y=$((156 + 2 + 3 * 18 + 9))
click 400 "$row_y" 3
xdotool mousemove_relative 20 10 click 1
sleep 0.5
copied=$(xclip -o -selection clipboard)
[[ "$copied" == "1,234,500" ]] || fail "clipboard holds '$copied'"

# Each new item of the menu through the real clipboard, chosen with the keyboard (the items stand
# below "Copy to clipboard" in this order): the kilometre row shows 1.23456789 of 1.234567891.
click 400 134
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 30 "1234.567891"
sleep 0.3
km_y=$((156 + 2 + 1 * 18 + 9))
copy_item() { # row_y item: the clipboard after choosing the item-th entry of the menu
    echo stale | xclip -selection clipboard
    click 400 "$1" 3
    local downs
    downs=$(printf 'Down %.0s' $(seq "$2"))
    # shellcheck disable=SC2086
    xdotool key $downs Return
    sleep 0.5
    xclip -o -selection clipboard
}
copied=$(copy_item "$km_y" 2)
[[ "$copied" == "1.234567891" ]] || fail "exact copy gives '$copied'"
copied=$(copy_item "$row_y" 3)
[[ "$copied" == "1234567.891" ]] || fail "copy without separators gives '$copied'"
copy_item "$km_y" 4 >"$work/table.txt"
units=$(awk '/^\[/ {n++} n == 1 && !/^\[/ && NF' "$work/Units.dat" | wc -l)
lines=$(wc -l <"$work/table.txt")
((lines == units)) || fail "table copy has $lines lines for $units units"
grep -qxF "$(printf 'Kilometer (km)\t1.23456789')" "$work/table.txt" ||
    fail "table copy: $(head -3 "$work/table.txt")"

# The picture stands where it belongs, inside the rounded outline.
check_window_picture "$work/shot.png" "$background" 6

# Settings: 3 digits (Page Down from 8 then up 3), separators off, the second category.
click 412 50
xdotool key Page_Down Up Up Up
click 450 50
click 190 50
xdotool key Down Return
sleep 0.3
close_converter "$pid"
grep -q '^Digits=3' "$work/options.ini" || fail "options.ini: $(cat "$work/options.ini")"
grep -q '^Separators=0' "$work/options.ini" || fail "options.ini: $(cat "$work/options.ini")"
grep -q '^Class=1' "$work/options.ini" || fail "options.ini: $(cat "$work/options.ini")"

# A restart shows them: closing again writes back what the controls show.
cp "$work/options.ini" "$work/options.first"
start
close_converter "$pid"
cmp -s "$work/options.ini" "$work/options.first" || fail "settings changed across a restart"

# Logout and shutdown: the signal ends the program as a close does, saving the change made in
# the window (the separators box toggled), while a hand edit made meanwhile to a key the run did
# not change (Class) survives.
separators=0
for signal in TERM HUP; do
    start
    click 450 50
    separators=$((1 - separators))
    sed -i 's/^Class=.*/Class=2\r/' "$work/options.ini"
    kill -"$signal" "$pid"
    status=0
    wait "$pid" || status=$?
    ((status == 0)) || fail "SIG$signal: the program ended with status $status"
    grep -q "^Separators=$separators" "$work/options.ini" || fail "SIG$signal: $(cat "$work/options.ini")"
    grep -q '^Class=2' "$work/options.ini" || fail "SIG$signal: the hand edit is lost"
    grep -q '^Digits=3' "$work/options.ini" || fail "SIG$signal: $(cat "$work/options.ini")"
done
echo "converter e2e passed"
