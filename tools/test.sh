#!/usr/bin/env bash
# Builds Mensurix and runs every test: unit and widget tests, display tests under Xvfb and a
# smoke run of every benchmark, through CTest; then the whole suite again built with
# AddressSanitizer and UBSan, a short run of every fuzz target, and the Windows leg (the core
# and its tests cross-built with MinGW-w64 and run under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/ensure-packages.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The same tests with AddressSanitizer, LeakSanitizer and UBSan, display tests and the leak check
# of a whole run included. Suppressed leaks are only those inside Qt, its libraries and glibc.
# GCC's array-bounds warning misfires on sanitizer-instrumented Qt inlines, so it stays a warning
# here.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMENSURIX_SANITIZE=ON \
    -DMENSURIX_BENCH=OFF -DCMAKE_CXX_FLAGS=-Wno-error=array-bounds
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/tests/hostile/lsan_suppressions.txt" \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

# Every fuzz target for a few seconds on its seed corpus.
tools/fuzz.sh 5

# The Qt-free core and its tests built for Windows and run under Wine; the Windows sources of
# the window compiled against the Qt headers.
tools/test-windows.sh
