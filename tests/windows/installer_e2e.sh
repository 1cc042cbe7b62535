#!/usr/bin/env bash
# The Windows installer under Wine: a silent install puts the program under Program Files with a
# Start menu entry and an uninstaller; the installed program starts, and closing it saves its
# settings in the user's application data; a silent uninstall then leaves nothing of the program
# but those settings. Run through with_display.sh --wm, with WINEPREFIX set.
#   installer_e2e.sh <installer .exe>
set -euo pipefail

installer=$1

source "$(dirname "$0")/../e2e/converter_window.sh"
unset WINEPATH
wine=/usr/lib/wine/wine64
drive=$WINEPREFIX/drive_c
installed="$drive/Program Files/Mensurix"
start_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Mensurix"
settings="$drive/users/$(id -un)/AppData/Roaming/Mensurix/options.ini"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mensurix'
rm -rf "$installed" "$start_menu" "$(dirname "$settings")"

"$wine" "$installer" /S
for file in bin/mensurix.exe bin/mensurix-cli.exe bin/Qt6Widgets.dll bin/platforms/qwindows.dll \
    share/mensurix/Units.dat share/mensurix/Languages/German.units Uninstall.exe; do
    [[ -f "$installed/$file" ]] || fail "the install has no $file"
done
[[ -f "$start_menu/Mensurix.lnk" ]] || fail "no Start menu entry: $(ls -R "$drive/ProgramData/Microsoft/Windows/Start Menu" 2>&1)"
"$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "no uninstall entry in the registry"
converted=$("$wine" "$installed/bin/mensurix-cli.exe" 1 in cm | tr -d '\r')
[[ $converted == 2.54 ]] || fail "the installed mensurix-cli gives '$converted'"

"$wine" "$installed/bin/mensurix.exe" &
pid=$!
find_converter "$pid"
close_converter "$pid"
[[ -f $settings ]] || fail "closing the installed program saved no settings in %APPDATA%"
[[ ! -e "$installed/bin/options.ini" ]] || fail "settings written under Program Files"

"$wine" "$installed/Uninstall.exe" /S
# The uninstaller runs on from a copy of itself, so its own end says nothing.
for _ in $(seq 100); do
    [[ -e $installed ]] || break
    sleep 0.2
done
[[ ! -e $installed ]] || fail "left after uninstalling: $(find "$installed" | head)"
[[ ! -e $start_menu ]] || fail "the Start menu entry is left after uninstalling"
"$wine" reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry is left"
[[ -f $settings ]] || fail "uninstalling removed the user's settings"
echo "Windows installer e2e passed"
