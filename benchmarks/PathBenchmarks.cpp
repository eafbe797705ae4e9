// findPath, production against the literal reference search, on the shipped levels
// (each flying enemy to the player at the level's start) and on the stress maps.
// Every case first checks that both give the same answers.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "benchmarks/Benchmarks.h"
#include "benchmarks/ProductionSearch.h"
#include "benchmarks/StressMaps.h"
#include "game/world/TileMap.h"
#include "tests/game/world/ReferencePathSearch.h"

using stressmaps::PathCase;
using worldtest::ReferencePathSearch;

namespace {

// Runs every search of a case once, keeping the answers.
template <typename Search>
void runSearches(Search& search, const PathCase& path, std::vector<SDL_Point>& answers) {
    answers.clear();
    for (const auto& [start, goal] : path.searches) {
        SDL_Point out{0, 0};
        search.findPath(start.x, start.y, goal.x, goal.y, out.x, out.y);
        answers.push_back(out);
    }
}

// Whether production and reference agree on every search of the case (and, with
// mustReach, every search finds a path).
bool sameAnswers(const PathCase& path, bool mustReach) {
    ProductionSearch production(path.rows);
    ReferencePathSearch reference(path.rows, stressmaps::kTile, stressmaps::kTile);
    std::vector<SDL_Point> got;
    std::vector<SDL_Point> expected;
    runSearches(production, path, got);
    runSearches(reference, path, expected);
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (got[i].x != expected[i].x || got[i].y != expected[i].y) {
            return false;
        }
        if (mustReach && got[i].y == TileMap::kNoPath) {
            return false;
        }
    }
    return true;
}

template <typename Search>
void timeSearches(benchmark::State& state, const PathCase& path, Search& search) {
    std::vector<SDL_Point> answers;
    for (auto _ : state) {
        runSearches(search, path, answers);
        benchmark::DoNotOptimize(answers.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(path.searches.size()));
}

void registerCase(const std::shared_ptr<PathCase>& path, bool mustReach) {
    const std::string prefix = "FindPath/" + path->name + "/";
    benchmark::RegisterBenchmark((prefix + "Reference").c_str(), [path, mustReach](
                                                                     benchmark::State& state) {
        if (!sameAnswers(*path, mustReach)) {
            state.SkipWithError("production and reference answers differ");
            return;
        }
        ReferencePathSearch reference(path->rows, stressmaps::kTile, stressmaps::kTile);
        timeSearches(state, *path, reference);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((prefix + "Production").c_str(), [path, mustReach](
                                                                      benchmark::State& state) {
        if (!sameAnswers(*path, mustReach)) {
            state.SkipWithError("production and reference answers differ");
            return;
        }
        ProductionSearch production(path->rows);
        timeSearches(state, *path, production);
    })->Unit(benchmark::kMicrosecond);
}

}  // namespace

void registerPathBenchmarks() {
    const char* const kLevelFiles[] = {"assets/levels/level1.txt", "assets/levels/level2.txt",
                                       "assets/levels/level3.txt"};
    int number = 1;
    for (const char* file : kLevelFiles) {
        const std::string name = "Level" + std::to_string(number++);
        registerCase(std::make_shared<PathCase>(stressmaps::shippedLevel(name, file)), true);
    }
    const auto corridor = std::make_shared<PathCase>(stressmaps::corridor());
    registerCase(corridor, true);
    // TileMap::findPath repeating one search: after the first, the cache answers.
    benchmark::RegisterBenchmark("FindPath/Corridor/ProductionCached",
                                 [corridor](benchmark::State& state) {
                                     TileMap map(nullptr, "", stressmaps::kTile, stressmaps::kTile);
                                     map.loadRows(corridor->rows);
                                     timeSearches(state, *corridor, map);
                                 })
        ->Unit(benchmark::kMicrosecond);
    registerCase(std::make_shared<PathCase>(stressmaps::maze()), true);
    registerCase(std::make_shared<PathCase>(stressmaps::unreachable()), false);
}
