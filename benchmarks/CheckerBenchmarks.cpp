// The level checker on generated worst cases of the largest size it promises to
// decide quickly (200 columns x 15 rows): pits holding every coin (proven
// impossible), long mazes of platforms and open fields full of jumps.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "benchmarks/Benchmarks.h"
#include "tools/levelcheck/LevelChecker.h"

namespace {
constexpr int kColumns = 200;
constexpr int kRows = 15;
constexpr int kFloorRow = 13;

std::vector<std::string> emptyLevel() {
    std::vector<std::string> rows(kRows, std::string(kColumns, '.'));
    rows[kFloorRow] = rows[kFloorRow + 1] = std::string(kColumns, 'G');
    rows[kFloorRow - 1][1] = 'E';
    rows[kFloorRow - 1][kColumns - 2] = 'U';
    return rows;
}

// Ground from row 8 down, with pits five cells deep every 10 columns, three
// cells wide (a running jump clears them), each holding three coins no jump
// brings out: the whole level is reachable, every coin is a trap, and the level
// is impossible.
std::vector<std::string> trapPits() {
    constexpr int kGroundRow = 8;
    constexpr int kPitDepth = 5;
    std::vector<std::string> rows(kRows, std::string(kColumns, 'G'));
    for (int row = 0; row < kGroundRow; ++row) {
        rows[row] = std::string(kColumns, '.');
    }
    rows[kGroundRow - 1][1] = 'E';
    rows[kGroundRow - 1][kColumns - 2] = 'U';
    for (int left = 6; left + 3 < kColumns - 3; left += 10) {
        for (int row = kGroundRow; row < kGroundRow + kPitDepth; ++row) {
            rows[row].replace(left, 3, "...");
        }
        rows[kGroundRow + kPitDepth - 1].replace(left, 3, "CCC");
    }
    return rows;
}

// Platforms in staggered rows over the whole level, a coin over each, and walls
// three cells high every 25 columns that only the platforms get the player over.
std::vector<std::string> platformMaze() {
    std::vector<std::string> rows = emptyLevel();
    for (int column = 4; column + 3 < kColumns - 3; column += 5) {
        const int row = 4 + (column / 5) % 4 * 2;
        rows[row].replace(column, 3, "PPP");
        rows[row - 1][column + 1] = 'C';
    }
    for (int column = 25; column < kColumns - 3; column += 25) {
        for (int row = kFloorRow - 3; row < kFloorRow; ++row) {
            rows[row][column] = 'G';
        }
    }
    return rows;
}

// Open floor with short platforms at four heights; coins on the floor.
std::vector<std::string> openField() {
    std::vector<std::string> rows = emptyLevel();
    for (int column = 0; column + 3 < kColumns; column += 7) {
        rows[9 + (column / 7) % 4].replace(column, 3, "PPP");
    }
    for (int i = 0; i < 8; ++i) {
        rows[kFloorRow - 1][10 + i * 20] = 'C';
    }
    return rows;
}

void checkLevel(benchmark::State& state, std::vector<std::string> (*make)()) {
    const std::string path = "/tmp/kestrun-checker-bench.txt";
    {
        std::ofstream file(path, std::ios::trunc);
        for (const std::string& row : make()) {
            file << row << '\n';
        }
    }
    SDL_Window* window = SDL_CreateWindow("checker", 0, 0, 640, 480, SDL_WINDOW_HIDDEN);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    std::string verdict;
    for (auto _ : state) {
        LevelChecker checker(renderer);
        const LevelReport report = checker.check(path);
        verdict = report.exitStatus() == 0   ? "completable"
                  : report.exitStatus() == 1 ? "impossible"
                                             : "undecided";
    }
    state.SetLabel(verdict);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    std::remove(path.c_str());
}
}  // namespace

void registerCheckerBenchmarks() {
    benchmark::RegisterBenchmark("LevelCheck/TrapPits200x15", checkLevel, trapPits)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("LevelCheck/PlatformMaze200x15", checkLevel, platformMaze)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("LevelCheck/OpenField200x15", checkLevel, openField)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
}
