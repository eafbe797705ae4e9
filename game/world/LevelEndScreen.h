#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

#include "game/world/LevelEndHost.h"

class KeyState;
class TextRenderer;

// The screen shown when a level ends: the outcome, the time and the score. Return
// files a completed level's time as a best time and goes to the level select.
class LevelEndScreen {
public:
    static constexpr int kTextBufferSize = 32;

    // outcome 0: the player died; 1: the level was completed. game is borrowed and
    // is told of Return (the time filed first for a completed level).
    LevelEndScreen(SDL_Renderer* renderer, int32_t score, float seconds, int32_t outcome,
                   KeyState& keyState, LevelEndHost& game);
    ~LevelEndScreen();
    LevelEndScreen(const LevelEndScreen&) = delete;
    LevelEndScreen& operator=(const LevelEndScreen&) = delete;

    // Once per frame in LevelEnded: draws the lines and handles Return.
    void update();

private:
    int32_t outcome;
    int32_t score;
    float seconds;
    KeyState& keyState;
    LevelEndHost& game;
    std::unique_ptr<TextRenderer> text;
    char timeText[kTextBufferSize] = {};
    char scoreText[kTextBufferSize] = {};
    const char* headline;
};
