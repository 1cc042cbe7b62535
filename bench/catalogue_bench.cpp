#include "catalogue/catalogue_reader.h"
#include "catalogue/category_conversion.h"
#include "catalogue/converted_value.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const mensurix::UnitCategory& LargestShippedCategory() {
    static const auto catalogue = mensurix::ReadCatalogueFile(MENSURIX_DATA_DIR "/Units.dat");
    const mensurix::UnitCategory* largest = &catalogue.at(0);
    for (const auto& category : catalogue) {
        if (category.Units.size() > largest->Units.size()) {
            largest = &category;
        }
    }
    return *largest;
}

// One typed value of 20 digits through the largest category, rounded for display as the window
// does.
void BM_ConvertLargestCategory(benchmark::State& state) {
    const auto& category = LargestShippedCategory();
    state.counters["units"] = static_cast<double>(category.Units.size());
    for (auto _ : state) {
        const auto results = mensurix::ConvertAcrossCategory(category, 3, "1234567890.1234567891");
        for (const auto& result : results.Values) {
            benchmark::DoNotOptimize(mensurix::ShownValue(result, 20, true));
        }
    }
}
BENCHMARK(BM_ConvertLargestCategory)->Unit(benchmark::kMicrosecond);

// The longest value the value box takes, 32,767 digits, through the largest category.
void BM_ConvertLongestValue(benchmark::State& state) {
    const auto& category = LargestShippedCategory();
    std::string typed(32767, '7');
    typed[16383] = '.';
    for (auto _ : state) {
        const auto results = mensurix::ConvertAcrossCategory(category, 3, typed);
        for (const auto& result : results.Values) {
            benchmark::DoNotOptimize(mensurix::ShownValue(result, 20, true));
        }
    }
}
BENCHMARK(BM_ConvertLongestValue)->Unit(benchmark::kMillisecond);

void BM_ReadShippedCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(mensurix::ReadCatalogueFile(MENSURIX_DATA_DIR "/Units.dat"));
    }
}
BENCHMARK(BM_ReadShippedCatalogue)->Unit(benchmark::kMicrosecond);

} // namespace
