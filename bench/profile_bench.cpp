#include "profile/profile_text.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A file of `lines` lines: sections of 100 keys each, with the looked-up key in the last one.
std::string ProfileOfLines(std::int64_t lines) {
    std::string contents;
    for (std::int64_t line = 0; line < lines - 1; ++line) {
        if (line % 100 == 0) {
            contents.append("[Section").append(std::to_string(line / 100)).append("]\r\n");
        } else {
            contents.append("Key").append(std::to_string(line)).append(" = a value\r\n");
        }
    }
    contents += "[OPTIONS]\r\n";
    return contents;
}

void BM_ProfileValue(benchmark::State& state) {
    const std::string contents = ProfileOfLines(state.range(0)) + "Digits=8\r\n";
    for (auto _ : state) {
        benchmark::DoNotOptimize(mensurix::ProfileValue(contents, "options", "digits"));
    }
    state.SetComplexityN(state.range(0));
}

void BM_WithProfileValueReplace(benchmark::State& state) {
    const std::string contents = ProfileOfLines(state.range(0)) + "Digits=8\r\n";
    for (auto _ : state) {
        benchmark::DoNotOptimize(mensurix::WithProfileValue(contents, "OPTIONS", "Digits", "12"));
    }
    state.SetComplexityN(state.range(0));
}

void BM_WithProfileValueAddSection(benchmark::State& state) {
    const std::string contents = ProfileOfLines(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(mensurix::WithProfileValue(contents, "LANGUAGE", "Default", "0"));
    }
    state.SetComplexityN(state.range(0));
}

// One section of short keys, as a language file's component section holds; names beyond the
// reader's 16 KiB name buffer would be cut, so the range stays below it.
void BM_ProfileSectionLines(benchmark::State& state) {
    std::string contents = "[FrmConvert]\r\n";
    for (std::int64_t line = 1; line < state.range(0); ++line) {
        const std::string number = std::to_string(line);
        contents.append("K").append(number).append("=Text ").append(number).append("\r\n");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(mensurix::ProfileSectionLines(contents, "frmconvert"));
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_ProfileValue)->RangeMultiplier(10)->Range(100, 100000)->Complexity(benchmark::oN);
BENCHMARK(BM_WithProfileValueReplace)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_WithProfileValueAddSection)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ProfileSectionLines)->RangeMultiplier(2)->Range(128, 2048)->Complexity(benchmark::oN);

} // namespace
