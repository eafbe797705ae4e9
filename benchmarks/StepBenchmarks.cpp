// One level step (clear, update and draw of every object, present) on each shipped
// level and on the stress level, for a fixed run of steps from the level's start
// with no key held; and on the stress level with the player running right, so that
// every flying enemy searches afresh each time the player enters another cell.
// Reports the first, the median and the worst step of the run, in ms.
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

void timeSteps(benchmark::State& state, const std::string& path, SDL_Keycode heldKey) {
    HeadlessLevel level;
    level.load(path);
    if (heldKey != SDLK_UNKNOWN) {
        level.holdKey(heldKey);
    }
    std::vector<double> stepMilliseconds;
    stepMilliseconds.reserve(kSteps);
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        level.step();
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - begin;
        stepMilliseconds.push_back(spent.count() * kMillisecondsPerSecond);
    }
    state.counters["first_ms"] = stepMilliseconds.front();
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
        benchmark::RegisterBenchmark(
            ("Step/Level" + std::to_string(number++)).c_str(),
            [file](benchmark::State& state) { timeSteps(state, file, SDLK_UNKNOWN); })
            ->Iterations(kSteps)
            ->Unit(benchmark::kMicrosecond);
    }
    for (const SDL_Keycode key : {SDLK_UNKNOWN, SDLK_RIGHT}) {
        const std::string name = key == SDLK_UNKNOWN ? "Step/Stress" : "Step/StressRunning";
        benchmark::RegisterBenchmark(name.c_str(),
                                     [key](benchmark::State& state) {
                                         const StressLevel stress;
                                         if (stress.path().empty()) {
                                             state.SkipWithError("no temporary folder");
                                             return;
                                         }
                                         timeSteps(state, stress.path(), key);
                                     })
            ->Iterations(kSteps)
            ->Unit(benchmark::kMicrosecond);
    }
}
