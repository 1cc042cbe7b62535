# Helpers for the display tests that drive the converter window; sourced by them.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Whether process $1 still runs; a child that ended stays a zombie until it is waited for.
running() {
    local state
    read -r _ _ state _ 2>/dev/null <"/proc/$1/stat" || return 1
    [[ $state != Z ]]
}

# Waits for the converter window of process $1, activates it and sets `window` to its id and
# `left` and `top` to its position. The program shows two windows, the converter and its shadow; the converter is the
# one 610 wide. A start-up error box, shown before the window, keeps it from appearing.
find_converter() {
    local pid=$1 candidate
    for _ in $(seq 100); do
        for candidate in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$candidate")"
            if ((WIDTH == 610 && HEIGHT == 450)); then
                xdotool windowactivate --sync "$candidate" 2>/dev/null || true
                sleep 1
                eval "$(xdotool getwindowgeometry --shell "$candidate")"
                left=$X
                top=$Y
                window=$candidate
                return
            fi
        done
        running "$pid" || fail "the program ended before its window appeared"
        sleep 0.2
    done
    fail "no converter window appeared (an error box instead?)"
}

click() { # x y [button], in window coordinates
    xdotool mousemove "$((left + $1))" "$((top + $2))" click "${3:-1}"
    sleep 0.3
}

# Closes the window with its close button and waits up to ten seconds for process $1 to end
# cleanly; an error box at exit would keep it running.
close_converter() {
    local pid=$1
    click 574 10
    for _ in $(seq 50); do
        if ! running "$pid"; then
            wait "$pid" || fail "the program ended with status $?"
            return
        fi
        sleep 0.2
    done
    kill "$pid"
    fail "the program was still running after its close button (an error box?)"
}

image_pixel() { # file x y: "r,g,b" of that pixel of a picture or screenshot
    convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}

close_to() { # "r,g,b" "r,g,b" tolerance
    local IFS=,
    read -r r1 g1 b1 <<<"$1"
    read -r r2 g2 b2 <<<"$2"
    local d
    for d in $((r1 - r2)) $((g1 - g2)) $((b1 - b2)); do
        ((d <= $3 && d >= -$3)) || return 1
    done
}

# Takes a screenshot into file $1 and checks the window in it against the designed picture $2:
# caption strip, body and status strip within tolerance $3, and column 0 outside the window's
# shape.
check_window_picture() {
    local shot=$1 background=$2 tolerance=$3 point x y got want
    import -window root "$shot"
    for point in "434 14" "60 300" "300 440" "20 14" "600 200"; do
        read -r x y <<<"$point"
        got=$(image_pixel "$shot" $((left + x)) $((top + y)))
        want=$(image_pixel "$background" "$x" "$y")
        close_to "$got" "$want" "$tolerance" || fail "pixel $x,$y is $got, picture has $want"
    done
    got=$(image_pixel "$shot" "$left" $((top + 200)))
    close_to "$got" "$(image_pixel "$background" 0 200)" 2 && fail "pixel column 0 is drawn"
    return 0
}
