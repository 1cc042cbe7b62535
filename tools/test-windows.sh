#!/usr/bin/env bash
# The Windows leg of the tests, for 64-bit Windows with MinGW-w64, run under Wine:
#  - the Qt-free core, the command line and their tests, linked statically, without Qt at all;
#  - Qt for Windows from Debian's own source (tools/windows/build-qt.sh, built once and cached
#    outside the tree), and against it the whole project: the window, its widget tests on Qt's
#    offscreen platform and the core's tests again, now with the run-time DLLs Qt uses;
#  - what a Windows user downloads, left in BUILD_DIR/packages/: the portable zip and the
#    installer; the window from the zip driven on Xvfb with openbox and xcompmgr, and the
#    installer installed, its program started, and uninstalled, silently.
#
#   tools/test-windows.sh [BUILD_DIR]
#
# Everything else it builds stays in BUILD_DIR (build-windows/ unless told, relative to the
# source tree): GoogleTest built from Debian's sources with the same toolchain (once), the cross
# builds, a build of the halo generator for this machine, and the Wine prefix the tests run in.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/ensure-packages.sh --windows
source=$PWD
jobs=$(nproc)
build=$(realpath -m "${1:-build-windows}")
toolchain=$PWD/tools/windows/mingw-w64-x86_64-static.cmake
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

qt=$(tools/windows/build-qt.sh | tail -n 1)
# The build runs the halo generator, so it is built for this machine.
cmake -S . -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMENSURIX_TESTS=OFF \
    -DMENSURIX_BENCH=OFF >/dev/null
cmake --build "$build/host" -j "$jobs" --target halo_precompute
# Programs of the build tree find Qt's and the toolchain's DLLs on Wine's search path.
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
winpthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="Z:${qt//\//\\}\\bin;Z:${runtime//\//\\};Z:${winpthread//\//\\}"
cmake -S . -B "$build/window" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$source/tools/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMENSURIX_BENCH=OFF -DGTest_DIR="$gtest/lib/cmake/GTest" \
    -DMENSURIX_HOST_HALO_PRECOMPUTE="$build/host/src/ui/shadow/precompute/halo_precompute" \
    >/dev/null
cmake --build "$build/window" -j "$jobs"
# Left out until they are settled for Windows: under Wine's offscreen platform the text widths
# come from other fonts, the halo's Windows tracker and the copy menu's placement depend on
# native windows the offscreen platform does not make, and the installed-copy cases read the
# real %APPDATA% instead of the test's folder.
not_yet_on_windows='ShippedTextWidth\.EveryCategoryName|ShippedTextWidth\.EveryUnitName'
not_yet_on_windows+='|StartUp\.InstalledCopy|RightClickOpensTheMenuOnlyOnResults'
not_yet_on_windows+='|FormShadowTest\.(StandsAroundTheShownOwner|HiddenWhileTheOwnerIsNotShownNormally'
not_yet_on_windows+='|FollowsTheWantedVisibility|AnotherOwnerReleasesTheFirst)'
not_yet_on_windows+='|ParentOwnsTheShadowButNeverFramesIt|PictureInTheDevicePixelsOfTheOwnersScreen'
# A test program Wine fails to start now and then is tried once more.
ctest --test-dir "$build/window" --output-on-failure -j "$jobs" -E "$not_yet_on_windows" \
    --repeat until-pass:2

rm -rf "$build/packages"
cpack --config "$build/window/CPackConfig.cmake" -B "$build/window/cpack" >/dev/null
mkdir -p "$build/packages"
cp "$build/window/cpack"/mensurix-*.zip "$build/window/cpack"/mensurix-*.exe "$build/packages/"
display=tests/e2e/with_display.sh
"$display" --wm --compositor -- tests/windows/window_e2e.sh "$build/packages"/mensurix-*.zip \
    "$source/assets/background.jpg" "$build/window_e2e"
"$display" --wm -- tests/windows/installer_e2e.sh "$build/packages"/mensurix-*.exe
ls -l "$build/packages"
