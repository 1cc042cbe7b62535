#!/usr/bin/env bash
# The Windows leg of the tests: cross-builds every Qt-free target of the project (the core
# libraries, any command-line program and their tests) for 64-bit Windows with MinGW-w64, runs
# the tests under Wine through CTest, and compiles every Windows-only source of the window with
# -fsyntax-only against the installed Qt headers (Qt for Windows itself is not to be had here).
#
#   tools/test-windows.sh [BUILD_DIR]
#
# Everything it builds stays in BUILD_DIR (build-windows/ unless told, relative to the source
# tree): GoogleTest built from Debian's sources with the same toolchain (once), the cross build,
# and the Wine prefix the tests run in.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/ensure-packages.sh --windows
jobs=$(nproc)
build=$(realpath -m "${1:-build-windows}")
toolchain=$PWD/tools/windows/mingw-w64-x86_64.cmake
mkdir -p "$build"

# A Wine prefix of its own, quiet: no debug channels, no offer to install Mono or Gecko. One
# persistent wine server serves every test program, so each start costs milliseconds, not
# seconds; it is stopped again on the way out.
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# Fails only when a server for this prefix runs already (an interrupted run), which serves too.
/usr/lib/wine/wineserver -p || true
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
# Creates the prefix on the first run and starts Wine's own services, before test programs start
# in parallel.
/usr/lib/wine/wine64 wineboot >"$build/wineboot.log" 2>&1

gtest=$build/googletest
if [[ ! -f $gtest/lib/cmake/GTest/GTestConfig.cmake ]]; then
    cmake -S /usr/src/googletest -B "$build/googletest-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
        -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
    cmake --build "$build/googletest-build" -j "$jobs"
    cmake --install "$build/googletest-build" >/dev/null
fi

cmake -S . -B "$build/core" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMENSURIX_GUI=OFF -DMENSURIX_BENCH=OFF \
    -DGTest_DIR="$gtest/lib/cmake/GTest" >/dev/null
cmake --build "$build/core" -j "$jobs"
ctest --test-dir "$build/core" --output-on-failure -j "$jobs"

tools/windows/check-windows-sources.sh "$build/syntax"
