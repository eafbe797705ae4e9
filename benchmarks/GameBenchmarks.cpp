// The Game's start-up with every asset (window, renderer, audio, menu, level play,
// best times), one frame of the main menu, and one frame of the HUD alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "benchmarks/Benchmarks.h"
#include "benchmarks/HeadlessLevel.h"
#include "game/characters/Player.h"
#include "game/shell/Game.h"
#include "game/world/Hud.h"
#include "game/world/LevelPlay.h"

namespace {
constexpr Uint32 kFrameMilliseconds = 16;
// Start-ups timed; each Game's destruction also waits for the dummy audio device to
// close, so the automatic iteration count would take minutes.
constexpr int kConstructions = 20;

// A clock the benchmark moves by one frame before each frame, so the Game's wait
// for the next tick ends at once and each frame does exactly its own work.
Uint32 scriptedMilliseconds = 0;
Uint32 scriptedClock() {
    return scriptedMilliseconds;
}

void timeConstruction(benchmark::State& state) {
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        auto game = std::make_unique<Game>(scriptedClock);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - begin;
        benchmark::DoNotOptimize(game.get());
        state.SetIterationTime(spent.count());
    }
    state.SetItemsProcessed(state.iterations());
}

void timeMenuFrame(benchmark::State& state) {
    Game game(scriptedClock);
    for (auto _ : state) {
        scriptedMilliseconds += kFrameMilliseconds;
        game.runFrame();
        // The present that the next frame's wait would make.
        SDL_RenderPresent(game.getRenderer());
    }
    state.SetItemsProcessed(state.iterations());
}

void timeHudFrame(benchmark::State& state) {
    HeadlessLevel level;
    level.load("assets/levels/level1.txt");
    Player* player = level.level().getPlayer();
    if (player == nullptr) {
        state.SkipWithError("level 1 has no player");
        return;
    }
    SDL_Renderer* renderer = level.getRenderer();
    for (auto _ : state) {
        SDL_RenderClear(renderer);
        player->getHud().update();
        SDL_RenderPresent(renderer);
    }
    state.SetItemsProcessed(state.iterations());
}
}  // namespace

void registerGameBenchmarks() {
    benchmark::RegisterBenchmark("Game/Construction", timeConstruction)
        ->UseManualTime()
        ->Iterations(kConstructions)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Game/MenuFrame", timeMenuFrame)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Game/HudFrame", timeHudFrame)->Unit(benchmark::kMicrosecond);
}
