#!/usr/bin/env bash
# Runs the tests of a test program that need permissions to bite (a file that may not be read,
# a folder that may not be written) as an unprivileged user, since root passes every permission
# check and those tests skip themselves. As any other user they already run in the program
# itself, so this reports itself skipped (77).
#   run_unprivileged.sh <test program> <gtest filter>
set -euo pipefail

program=$1
filter=$2
if ((EUID != 0)); then
    echo "not root: these tests run unprivileged in $(basename "$program") itself"
    exit 77
fi

# A copy that the unprivileged user may run, wherever the build tree lies, and a temporary
# folder of its own for the tests' scratch directories.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/"
mkdir "$work/tmp"
chown nobody "$work/tmp"
chmod 755 "$work" "$work/$(basename "$program")"

status=0
output=$(cd "$work" && setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env TMPDIR="$work/tmp" HOME="$work/tmp" "./$(basename "$program")" --gtest_filter="$filter" \
    2>&1) || status=$?
echo "$output"
((status == 0)) || exit "$status"
if grep -q '^\[  SKIPPED \]' <<<"$output"; then
    echo "FAIL: a permission test skipped as an unprivileged user" >&2
    exit 1
fi
grep -q '^\[  PASSED  \] [1-9]' <<<"$output" || { echo "FAIL: no test ran" >&2; exit 1; }
