#include "decimal/decimal_add.h"
#include "decimal/decimal_multiply.h"
#include "decimal/decimal_round.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A number of `digits` digits with a point in the middle and no zero runs.
std::string Operand(std::int64_t digits, char seed) {
    std::string text;
    for (std::int64_t i = 0; i < digits; ++i) {
        text += static_cast<char>('1' + (seed + i * 7) % 9);
    }
    text.insert(static_cast<std::size_t>(digits / 2), 1, '.');
    return text;
}

void BM_Add(benchmark::State& state) {
    const auto a = Operand(state.range(0), 1);
    const auto b = Operand(state.range(0), 5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mensurix::DecimalAdd(a, b));
    }
}
BENCHMARK(BM_Add)->Arg(10)->Arg(1000)->Arg(100000);

void BM_Subtract(benchmark::State& state) {
    const auto a = Operand(state.range(0), 1);
    const auto b = Operand(state.range(0), 5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mensurix::DecimalSubtract(a, b));
    }
}
BENCHMARK(BM_Subtract)->Arg(10)->Arg(1000)->Arg(100000);

void BM_Multiply(benchmark::State& state) {
    const auto a = Operand(state.range(0), 2);
    const auto b = Operand(state.range(1), 3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mensurix::DecimalMultiply(a, b));
    }
}
BENCHMARK(BM_Multiply)->Args({20, 40})->Args({1000, 40})->Args({10000, 40})->Args({10000, 10000});

void BM_RoundGrouped(benchmark::State& state) {
    const auto value = Operand(state.range(0), 4);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mensurix::DecimalRound(value, 8, true));
    }
}
BENCHMARK(BM_RoundGrouped)->Arg(10)->Arg(1000)->Arg(100000);

} // namespace
