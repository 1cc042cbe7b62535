#include "startup/first_frame_watch.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// Start-up of the real program against an empty Qt window holding one line edit, on the X
// display named by DISPLAY (run it under tests/e2e/with_display.sh --compositor). Each
// repetition starts both programs, in alternating order, and times each from its exec to its
// first complete picture; the median of the per-pair ratios is the program's own start-up cost,
// steady against the drift of a shared machine. Resident memory is taken at the same moment.
//
//   startup_bench [--program=PATH] [--reference=PATH] [--launcher="COMMAND ARGS"]
//                 [--settle_ms=N] [benchmark flags]
//
// --launcher runs both programs through a command, for instance valgrind --tool=callgrind (give
// it --settle_ms=3000); without --benchmark_repetitions there are 30 repetitions.
namespace {

struct Options {
    std::string program = MENSURIX_PROGRAM;
    std::string reference = MENSURIX_REFERENCE;
    std::vector<std::string> launcher;
    std::chrono::milliseconds settle{300};
};

Options options;

std::vector<std::string> Command(const std::string& program) {
    std::vector<std::string> command = options.launcher;
    command.push_back(program);
    return command;
}

double MiB(std::uint64_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void BM_StartupAgainstEmptyWindow(benchmark::State& state) {
    static FirstFrameWatch watch;
    static bool programFirst = true;
    const std::chrono::milliseconds limit =
        options.launcher.empty() ? std::chrono::seconds(20) : std::chrono::seconds(300);
    const auto run = [&](const std::string& path) {
        return watch.Run(Command(path), options.settle, limit);
    };
    // The first start of each reads its files from disk; a launcher is slow enough without it.
    static const bool warmedUp =
        !options.launcher.empty() || (run(options.program), run(options.reference), true);
    benchmark::DoNotOptimize(warmedUp);

    StartupRun program;
    StartupRun reference;
    for (auto _ : state) {
        if (programFirst) {
            program = run(options.program);
            reference = run(options.reference);
        } else {
            reference = run(options.reference);
            program = run(options.program);
        }
        programFirst = !programFirst;
        state.SetIterationTime(program.milliseconds / 1000.0);
    }
    state.counters["program_ms"] = program.milliseconds;
    state.counters["empty_ms"] = reference.milliseconds;
    state.counters["ratio"] = program.milliseconds / reference.milliseconds;
    state.counters["program_MiB"] = MiB(program.residentBytes);
    state.counters["empty_MiB"] = MiB(reference.residentBytes);
    state.counters["memory_ratio"] =
        static_cast<double>(program.residentBytes) / static_cast<double>(reference.residentBytes);
}
BENCHMARK(BM_StartupAgainstEmptyWindow)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->DisplayAggregatesOnly(true);

// Takes this benchmark's own flags out of the arguments, leaving Google Benchmark's.
std::vector<char*> ParseOptions(int argc, char* argv[]) {
    std::vector<char*> rest{argv[0]};
    bool repetitionsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&](const char* flag) -> const char* {
            const std::size_t length = std::strlen(flag);
            return argument.compare(0, length, flag) == 0 ? argv[i] + length : nullptr;
        };
        if (const char* program = value("--program=")) {
            options.program = program;
        } else if (const char* reference = value("--reference=")) {
            options.reference = reference;
        } else if (const char* launcher = value("--launcher=")) {
            std::istringstream words(launcher);
            for (std::string word; words >> word;) {
                options.launcher.push_back(word);
            }
        } else if (const char* settle = value("--settle_ms=")) {
            options.settle = std::chrono::milliseconds(std::stoi(settle));
        } else {
            repetitionsGiven = repetitionsGiven || value("--benchmark_repetitions=") != nullptr;
            rest.push_back(argv[i]);
        }
    }
    static char defaultRepetitions[] = "--benchmark_repetitions=30";
    if (!repetitionsGiven) {
        rest.push_back(defaultRepetitions);
    }
    return rest;
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<char*> arguments = ParseOptions(argc, argv);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 2;
    }
    try {
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& error) {
        std::cerr << "startup_bench: " << error.what() << '\n';
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
