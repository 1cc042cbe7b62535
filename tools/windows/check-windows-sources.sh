#!/usr/bin/env bash
# Compiles, with the MinGW-w64 compiler and -fsyntax-only, every source of src/ that only a
# Windows build compiles: the *_win.cpp files and every file with a _WIN32 or Q_OS_WIN branch,
# the Qt ones against the installed Qt headers (the Linux build of Qt 6; Qt's platform detection
# follows the compiler, so its Windows declarations are the ones seen). The program's resource
# script goes through the MinGW resource compiler. Fails at the first source that does not
# compile.
#
#   tools/windows/check-windows-sources.sh OUTPUT_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."

out=${1:?usage: $0 OUTPUT_DIR}
mkdir -p "$out"
qt=/usr/include/x86_64-linux-gnu/qt6
flags=(-std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror -Isrc
    -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui" -isystem "$qt/QtWidgets"
    -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DUNICODE -D_UNICODE)

mapfile -t sources < <({
    git ls-files 'src/*_win.cpp'
    git grep -l -E '\b(_WIN32|Q_OS_WIN)\b' -- 'src/*.cpp'
} | sort -u)
[[ ${#sources[@]} -gt 0 ]] || { echo "no Windows sources found" >&2; exit 1; }

printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} \
    sh -c 'x86_64-w64-mingw32-g++-posix "$@" {} || exit 255' _ "${flags[@]}"
x86_64-w64-mingw32-windres assets/mensurix.rc -O coff -o "$out/mensurix.res"
echo "Windows sources compiled: ${#sources[@]} files and assets/mensurix.rc"
