#!/usr/bin/env bash
# Starts the program with its accessibility bridge on a session bus of its own and checks the
# tree a screen reader reads. Run through with_display.sh --wm.
#   accessible_tree_e2e.sh <mensurix executable> <work directory>
set -euo pipefail

program=$1
work=$2
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
    exec dbus-run-session -- "$0" "$@"
fi

rm -rf "$work"
mkdir -p "$work"
cp "$program" "$work/mensurix"
cp -r "$(dirname "$program")/Languages" "$(dirname "$program")/Units.dat" "$work/"
source "$(dirname "$0")/../converter_window.sh"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/mensurix" &
pid=$!
trap 'kill "$pid" "$launcher" 2>/dev/null || true' EXIT
find_converter "$pid"
"$(dirname "$0")/accessible_tree.py" mensurix "$pid"
echo "accessible tree e2e passed"
