#!/usr/bin/env bash
# A whole run of the real program under LeakSanitizer: start, choose a category, type a value,
# copy a result, switch the language, close. Fails when the sanitizer reports a leak that the
# suppressions (leaks inside Qt's own libraries) do not cover, or when the run did not do its
# steps. Run through with_display.sh --wm, with a program built with MENSURIX_SANITIZE.
#   leak_check.sh <mensurix executable> <suppressions file> <work directory>
set -euo pipefail

program=$1
suppressions=$2
work=$3

rm -rf "$work"
mkdir -p "$work"
cp "$program" "$work/mensurix"
cp -r "$(dirname "$program")/Languages" "$(dirname "$program")/Units.dat" "$work/"

fail() {
    echo "FAIL: $*" >&2
    [[ -f "$work/sanitizer.log" ]] && cat "$work/sanitizer.log" >&2
    exit 1
}

export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:log_path=$work/sanitizer"
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=1"
"$work/mensurix" &
pid=$!
window=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
[[ -n "$window" ]] || fail "no window appeared"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"

click() { # x y [button], in window coordinates
    xdotool mousemove "$((X + $1))" "$((Y + $2))" click "${3:-1}"
    sleep 0.4
}

# The second category, a value, and a copy of its third row through the menu.
click 190 50
xdotool key Down Return
sleep 0.3
click 400 134
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 30 "1234.5"
click 400 $((156 + 2 + 2 * 18 + 9)) 3
xdotool mousemove_relative 20 10 click 1
sleep 0.4
[[ -n "$(xclip -o -selection clipboard)" ]] || fail "nothing was copied"

# German from the language menu (English, Spanish, German, ...), then close.
click 480 12
xdotool key Down Down Down Return
sleep 0.5
click 574 10

status=0
wait "$pid" || status=$?
cat "$work"/sanitizer.* >"$work/sanitizer.log" 2>/dev/null || true
grep -q 'ERROR: LeakSanitizer' "$work/sanitizer.log" && fail "leaks reported"
[[ $status -eq 0 ]] || fail "the program ended with status $status"
grep -q '^Class=1' "$work/options.ini" || fail "the category was not chosen: $(cat "$work/options.ini")"
grep -q '^Default=2' "$work/options.ini" || fail "the language was not switched: $(cat "$work/options.ini")"
echo "no leaks of the program's own"
grep -A20 'Suppressions used' "$work/sanitizer.log" || true
