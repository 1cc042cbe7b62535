#!/usr/bin/env bash
# Builds Mensurix and runs every test: unit and widget tests, display tests under Xvfb and a
# smoke run of every benchmark, through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/ensure-packages.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
