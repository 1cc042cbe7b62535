#!/usr/bin/env bash
# Runs the real command-line program as a user does: a portable copy with its own Units.dat,
# UTF-8 symbols in the arguments and in the output, and the exit status of each kind of failure
# with nothing on standard output.
#   cli_process_test.sh <work directory> [runner...] <mensurix-cli executable>
# The executable is copied into the work directory; a runner (for example wine) starts it there.
set -euo pipefail

work=$1
shift
runner=("${@:1:$#-1}")
executable=${!#}

rm -rf "$work"
mkdir -p "$work"
cp "$executable" "$work/"
program=("${runner[@]}" "$work/$(basename "$executable")")
cat >"$work/Units.dat" <<'DATA'
[Temperature]
*Kelvin (K)=1|1
Degree Celsius (°C)=1|1|+-273.15
Degree Fahrenheit (°F)=1.8|0.5555555555555555555555555555555555555556|+-459.67
[Length]
*Meter (m)=1|1
Micrometer (µm)=1000000|0.000001
DATA

mkdir -p "$work/Languages"
printf '[Length]\r\nMeter (m)=Meter (m)\r\nMicrometer (\xc2\xb5m)=Mikrometer (\xc2\xb5m)\r\n' \
    >"$work/Languages/German.units"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# expect <status> <standard output> <text in standard error> -- arguments...
expect() {
    local status=$1 output=$2 message=$3
    shift 4
    local got_status=0
    "${program[@]}" "$@" >"$work/out" 2>"$work/err" || got_status=$?
    # Output of a Windows program may end its lines in CR LF.
    local got_output
    got_output=$(tr -d '\r' <"$work/out")
    [[ $got_status == "$status" ]] || fail "$* ended with $got_status, not $status: $(cat "$work/err")"
    [[ $got_output == "$output" ]] || fail "$* printed '$got_output', not '$output'"
    if [[ -z $message ]]; then
        [[ ! -s $work/err ]] || fail "$* said '$(cat "$work/err")'"
    else
        grep -qF -- "$message" "$work/err" || fail "$* said '$(cat "$work/err")', not '$message'"
    fi
}

# The catalogue comes from beside the executable unless one is named.
cp "$work/Units.dat" "$work/other.dat"
expect 0 "-40" "" -- -40 °C °F
expect 0 "0" "" -- --catalogue "$work/other.dat" 32 °F °C
expect 0 "1000000" "" -- 1 m µm
expect 0 "$(printf 'Kelvin (K)              233.15\nDegree Celsius (°C)     -40\nDegree Fahrenheit (°F)  -40')" "" -- -40 °F
expect 2 "" "unknown option" -- --nonsense
expect 1 "" "unknown unit \"µ\"" -- 1 µ m
expect 1 "" "\"1,5\" is not a number" -- 1,5 m µm
expect 0 "1500000" "" -- --decimal-comma 1,5 m µm
expect 0 "-1000000" "" -- "−1" m µm
# Unit names in the language asked for, or the locale's; found by them and by the English ones.
expect 0 "1000000" "" -- --language de 1 m Mikrometer
expect 0 "1000000" "" -- --language German 1 m Micrometer
LANG=de_DE.UTF-8 expect 0 $'m   Meter\nµm  Mikrometer' "" -- --list Length
LC_ALL=C LANG=de_DE.UTF-8 expect 0 $'m   Meter\nµm  Micrometer' "" -- --list Length
expect 2 "" "--language takes English" -- --language nl 1 m
expect 0 "333333.333333" "" -- --digits 6 "1/3" m µm
expect 1 "" "Cannot open file" -- --catalogue "$work/none.dat" 1 m
# A name longer than any unit's gets its answer without spelling suggestions (within the
# 32,767 characters a Windows command line holds).
long=$(printf 'x%.0s' {1..30000})
expect 1 "" "unknown unit \"xxx" -- 1 "$long" m
expect 1 "" "unknown category \"xxx" -- --list "$long"

# A result that does not arrive is a failure, never a success: a full disk, a closed stdout.
for redirect in full closed; do
    got_status=0
    if [[ $redirect == full ]]; then
        "${program[@]}" 1 m µm >/dev/full 2>"$work/err" || got_status=$?
    else
        "${program[@]}" 1 m µm >&- 2>"$work/err" || got_status=$?
    fi
    [[ $got_status == 1 ]] || fail "output to a $redirect stdout ended with $got_status, not 1"
    grep -qF "could not be written" "$work/err" || fail "a $redirect stdout said '$(cat "$work/err")'"
done
echo "cli process test passed"
