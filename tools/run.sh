#!/usr/bin/env bash
# Builds Mensurix and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/ensure-packages.sh --run-only
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DMENSURIX_TESTS=OFF -DMENSURIX_BENCH=OFF
cmake --build build-run -j "$(nproc)" --target mensurix
exec build-run/src/app/mensurix
