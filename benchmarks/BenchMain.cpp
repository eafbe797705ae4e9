// Entry of the benchmark program: headless SDL (dummy video and audio drivers, so
// the software renderer draws), the font library, then every benchmark group.
// Run it from the repository root so that the assets resolve.
#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "benchmarks/Benchmarks.h"

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) != 0 || TTF_Init() != 0) {
        std::printf("SDL could not start: %s\n", SDL_GetError());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    registerPathBenchmarks();
    registerStepBenchmarks();
    registerGameBenchmarks();
    registerCheckerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TTF_Quit();
    SDL_Quit();
    return 0;
}
