#pragma once

#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/levelcheck/LevelCells.h"
#include "tools/levelcheck/LevelReport.h"
#include "tools/levelcheck/MoveSimulator.h"
#include "tools/levelcheck/RoutePlanner.h"

class LevelPlay;

// How much work the completion check of one level may do.
struct CheckLimits {
    static constexpr int kDefaultSeconds = 60;
    // About 64 MB of stored states in one search; real levels need under 2 million.
    static constexpr std::uint32_t kDefaultStatesPerSearch = 4000000;

    std::chrono::milliseconds time{std::chrono::seconds(kDefaultSeconds)};
    std::uint32_t statesPerSearch = kDefaultStatesPerSearch;
};

// Checks one level file: its form, entities that start stuck in walls, and
// whether a route from the start takes enough coins and then reaches the door,
// played with the game's own player, map and door code (enemies left out). The
// working directory must hold assets/, so that sprites have their real sizes.
class LevelChecker {
public:
    // Files larger than this are not read at all.
    static constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{4} << 20;
    // Levels with more cells or entity cells than these are not played through.
    static constexpr long long kMaxPlayedCells = 1 << 20;
    static constexpr size_t kMaxEntities = 10000;

    // renderer is borrowed and must outlive the checker.
    explicit LevelChecker(SDL_Renderer* renderer, CheckLimits limits = CheckLimits());

    // Checks the level file at path and returns the findings.
    LevelReport check(const std::string& path);
    // The route of the last check, one move per level step; empty when none was found.
    const std::vector<Move>& route() const { return found; }

private:
    bool readRows(const std::string& path, LevelReport& report, std::vector<std::string>& rows);
    bool canBePlayed(const LevelCells& level, LevelReport& report);
    void checkSpawns(LevelPlay& play, const LevelCells& level, LevelReport& report);
    void checkRoute(LevelPlay& play, const LevelCells& level, const std::string& path,
                    LevelReport& report);
    void reportReplay(const std::string& path, const LevelCells& level, LevelReport& report);

    SDL_Renderer* renderer;
    CheckLimits limits;
    std::vector<Move> found;
};
