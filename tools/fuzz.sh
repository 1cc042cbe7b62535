#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan, and runs each for the given
# number of seconds (default 10) on a copy of its seed corpus in tests/fuzz/corpus/<target>/.
#
#   tools/fuzz.sh [seconds]
#
# Each run works in build-fuzz/runs/<target>/: the grown corpus, the log and, when an input
# crashes, leaks, trips a sanitizer or a checked property, or takes over ten seconds, that input
# as an artifact. The script fails when any target found one.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
build=build-fuzz
targets=(decimal_fuzzer catalogue_fuzzer profile_fuzzer language_file_fuzzer)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DMENSURIX_FUZZ=ON -DMENSURIX_SANITIZE=ON -DMENSURIX_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/hostile/lsan_suppressions.txt"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
for target in "${targets[@]}"; do
    work="$build/runs/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp tests/fuzz/corpus/"$target"/* "$work/corpus/"
    echo "== $target: $seconds s"
    if "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1; then
        grep -E '^#[0-9]+[[:space:]]+DONE' "$work/log" | tail -n 1
        grep -E '^stat::number_of_executed_units' "$work/log"
    else
        tail -n 40 "$work/log"
        failed+=("$target")
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "fuzzing found failures in: ${failed[*]} (inputs in $build/runs/<target>/artifacts/)" >&2
    exit 1
fi
