#!/usr/bin/env bash
# Installs the build into a staging root with prefix /usr, makes it read-only and runs the staged
# programs as an ordinary user with a HOME of its own: mensurix-cli converts with the catalogue
# of share/mensurix, the window shows all of it, a changed setting lands in that user's
# ~/.config/mensurix/options.ini without an error box, and a second start shows it. Run through
# with_display.sh --wm.
#   installed_e2e.sh <build directory> <work directory>
set -euo pipefail

build=$1
work=$2

source "$(dirname "$0")/../e2e/converter_window.sh"

[[ -d "$work" ]] && chmod -R u+w "$work"
rm -rf "$work"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/install.log"
chmod -R a-w "$stage"
program=$stage/usr/bin/mensurix
categories=$(grep -c '^\[' "$stage/usr/share/mensurix/Units.dat")

# As root, the run drops to the unprivileged user nobody, for whom the read-only staging root
# is really read-only; anyone else runs it as themselves.
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    chown nobody:nogroup "$work/home" "$work/runtime"
fi
"${as_user[@]}" test -x "$program" ||
    fail "the user cannot reach $program: a folder above it is closed to others"

start() {
    "${as_user[@]}" env -u XDG_CONFIG_HOME HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        "$program" &
    pid=$!
    find_converter "$pid"
}

# The command-line program of the same install finds the same catalogue.
cli=$("${as_user[@]}" env HOME="$work/home" "$stage/usr/bin/mensurix-cli" 1.5 km m) ||
    fail "mensurix-cli ended with status $?"
[[ $cli == 1500 ]] || fail "mensurix-cli 1.5 km m printed: $cli"

# The last category and 3 fraction digits (Page Down from 8, then up 3).
start
click 190 50
xdotool key End Return
sleep 0.3
click 412 50
xdotool key Page_Down Up Up Up
sleep 0.3
close_converter "$pid"

settings=$work/home/.config/mensurix/options.ini
[[ -f "$settings" ]] || fail "no settings in the user's folder"
lines=$(tr -d '\r' <"$settings")
grep -qx 'Digits=3' <<<"$lines" || fail "options.ini: $lines"
grep -qx "Class=$((categories - 1))" <<<"$lines" ||
    fail "the last of $categories categories was not selected: $lines"
[[ -z $(find "$stage" -name options.ini) ]] || fail "a settings file inside the installed tree"
[[ $(stat -c %a "$work/home/.config/mensurix") == 700 ]] || fail "settings folder open to others"

# A second start shows them: closing again writes back what the controls show.
cp "$settings" "$work/options.first"
start
close_converter "$pid"
cmp -s "$settings" "$work/options.first" || fail "settings changed across a restart"
echo "installed e2e passed"
