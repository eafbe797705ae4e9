// One level step (clear, update and draw of every object, present) on each shipped
// level and on the stress level, for a fixed run of steps from the level's start
// with no key held. Reports the median and the worst step of the run, in ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "benchmarks/Benchmarks.h"
#include "benchmarks/HeadlessLevel.h"
#include "benchmarks/StressLevel.h"

namespace {
// Steps timed per level: 16 seconds of play.
constexpr int kSteps = 1000;
constexpr double kMillisecondsPerSecond = 1000.0;

void timeSteps(benchmark::State& state, const std::string& path) {
    HeadlessLevel level;
    level.load(path);
    std::vector<double> stepMilliseconds;
    stepMilliseconds.reserve(kSteps);
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        level.step();
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - begin;
        stepMilliseconds.push_back(spent.count() * kMillisecondsPerSecond);
    }
    std::sort(stepMilliseconds.begin(), stepMilliseconds.end());
    state.counters["median_ms"] = stepMilliseconds[stepMilliseconds.size() / 2];
    state.counters["max_ms"] = stepMilliseconds.back();
    state.SetItemsProcessed(state.iterations());
}
}  // namespace

void registerStepBenchmarks() {
    const char* const kLevelFiles[] = {"assets/levels/level1.txt", "assets/levels/level2.txt",
                                       "assets/levels/level3.txt"};
    int number = 1;
    for (const std::string file : kLevelFiles) {
        benchmark::RegisterBenchmark(("Step/Level" + std::to_string(number++)).c_str(),
                                     [file](benchmark::State& state) { timeSteps(state, file); })
            ->Iterations(kSteps)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("Step/Stress",
                                 [](benchmark::State& state) {
                                     const StressLevel stress;
                                     if (stress.path().empty()) {
                                         state.SkipWithError("no temporary folder");
                                         return;
                                     }
                                     timeSteps(state, stress.path());
                                 })
        ->Iterations(kSteps)
        ->Unit(benchmark::kMicrosecond);
}
