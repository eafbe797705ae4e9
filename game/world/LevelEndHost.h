#pragma once

#include <cstdint>

enum GameState : int32_t;

// What the end-of-level screen calls back into: the Game in the program, the
// play-test's session in the play-test (which files no best time).
class LevelEndHost {
public:
    virtual ~LevelEndHost() = default;
    // Files a completed level's time in whole seconds as a best time.
    virtual void saveBestTime(int32_t seconds) = 0;
    // Called with LevelSelect when Return leaves the end screen.
    virtual void setState(GameState newState) = 0;
};
