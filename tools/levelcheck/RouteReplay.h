#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "game/shell/KeyState.h"
#include "game/world/LevelEndListener.h"
#include "tools/levelcheck/MoveSimulator.h"

class LevelPlay;

// How a route played out in the real level, enemies included.
struct ReplayOutcome {
    static constexpr int kNever = -1;
    int completedAtStep = kNever;  // 1-based step of the first completed end
    int diedAtStep = kNever;       // 1-based step of the first death
    int steps = 0;                 // steps played
};

// Turns a route into replay script text and plays a route in a real LevelPlay
// loaded from the level file, driven by key events like the game's.
class RouteReplay : public LevelEndListener {
public:
    // The fixed frame time of a replayed step, as the game's 16 ms schedule gives.
    static constexpr double kStepSeconds = 0.016;

    // Replay script text: "STEPS [KEY ...]" lines, runs of equal moves merged. A
    // jump or down press gets a one-step run of its own with "+Z" or "+Down", so
    // that every press is fresh.
    static std::string format(const std::vector<Move>& moves);

    // A level play of the file at path, drawn with renderer (borrowed), silent.
    RouteReplay(SDL_Renderer* renderer, const std::string& path);
    ~RouteReplay() override;
    RouteReplay(const RouteReplay&) = delete;
    RouteReplay& operator=(const RouteReplay&) = delete;

    // Plays moves one step each from the level's start and keeps playing after a
    // death, so that the route's own end is seen; stops after the completion.
    ReplayOutcome play(const std::vector<Move>& moves);
    void showLevelEnd(int score, float seconds, int outcome) override;
    // The level as loaded (before play) or as played; the search borrows its
    // player, map and door.
    LevelPlay& levelPlay() { return *level; }

private:
    void setKey(KeyFlag flag, bool down);

    KeyState keys;
    std::unique_ptr<LevelPlay> level;
    std::vector<KeyFlag> held;
    ReplayOutcome outcome;
    int step = 0;
};
