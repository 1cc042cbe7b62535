#!/usr/bin/env bash
# Builds the .deb and the portable archive with CPack and checks them: lintian finds neither
# errors nor warnings in the .deb, which holds both programs with their manual pages, its
# desktop entry and AppStream metadata validate, and the archive holds the portable folder: the
# programs with Units.dat and Languages/ (texts and unit names) beside them.
#   package_checks.sh <build directory> <packages directory>
set -euo pipefail

build=$1
packages=$2

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$packages"
cpack --config "$build/CPackConfig.cmake" -G "DEB;TGZ" -B "$packages" >"$build/cpack.log" ||
    fail "cpack failed: $(tail -n 20 "$build/cpack.log")"
deb=$(echo "$packages"/mensurix_*.deb)
archive=$(echo "$packages"/mensurix-*.tar.gz)
[[ -f "$deb" && -f "$archive" ]] || fail "cpack made no .deb or no .tar.gz"

lintian --fail-on error,warning "$deb" || fail "lintian rejects $deb"

contents=$packages/deb-contents
dpkg-deb -x "$deb" "$contents"
for file in usr/bin/mensurix usr/bin/mensurix-cli usr/share/man/man1/mensurix.1.gz \
    usr/share/man/man1/mensurix-cli.1.gz usr/share/mensurix/Units.dat \
    usr/share/mensurix/Languages/German.units; do
    [[ -f "$contents/$file" ]] || fail "the .deb has no /$file"
done
desktop-file-validate "$contents/usr/share/applications/org.mensurix.Mensurix.desktop" ||
    fail "desktop entry"
appstreamcli validate --no-net "$contents/usr/share/metainfo/org.mensurix.Mensurix.metainfo.xml" ||
    fail "AppStream metadata"

folder=$(basename "$archive" .tar.gz)
expected=$(printf '%s\n' "$folder/mensurix" "$folder/mensurix-cli" "$folder/Units.dat" \
    "$folder/Languages/"{English,French,German,Italian,Spanish}.isl \
    "$folder/Languages/"{French,German,Italian,Spanish}.units | sort)
found=$(tar -tzf "$archive" | grep -v '/$' | sort)
[[ "$found" == "$expected" ]] || fail "the portable archive holds:"$'\n'"$found"
echo "package checks passed"
