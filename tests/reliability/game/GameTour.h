#pragma once

#include <SDL.h>

#include <memory>

#include "game/shell/Game.h"

namespace reliability {

// How far a tour got.
struct TourLog {
    bool levelSelectShown = false;  // Return on "Start Game" opened the level select
    bool levelStarted = false;      // Return on level 1 started it
    bool endedByPlay = false;       // level 1 ended by itself, at the door or by death
    bool endScreenShown = false;    // the end screen was driven for a while
    bool escapeIgnoredOnEnd = false;
    bool backAtLevelSelect = false;  // Return on the end screen led to the level select
    bool secondLevelPlayed = false;  // level 2 ran and Escape left it
    bool finished = false;           // Escape on the level select ended the program
    int frames = 0;
};

// A whole Game, headless (SDL's dummy drivers), on a scripted clock that moves
// one frame's time per frame, driven by key events pushed onto SDL's queue as a
// player would type them. The working directory must hold the assets to use.
class GameTour {
public:
    // Frames level 1 is played with Right held before the tour gives up on it.
    static constexpr int kLevelFrames = 400;
    // Frames spent on each menu screen, the end screen and level 2.
    static constexpr int kScreenFrames = 40;
    static constexpr int kSecondLevelFrames = 150;
    // Rows of a level 1 that holding Right completes in about 150 frames: eight
    // coins on the floor between the player and the door.
    static const char* const kQuickLevel;

    // Initialises SDL's video and audio and the font library, then creates the Game.
    GameTour();
    // Destroys the Game, then shuts the font library and SDL down.
    ~GameTour();
    GameTour(const GameTour&) = delete;
    GameTour& operator=(const GameTour&) = delete;

    Game& game() { return *theGame; }
    // Runs frames with no key change.
    void frames(int count);
    // Holds a key for one frame and releases it before the next.
    void press(SDL_Keycode key);
    // Key down or up, seen from the next frame on.
    void hold(SDL_Keycode key);
    void release(SDL_Keycode key);
    // Main menu, level select, level 1 with Right held until it ends (or, when it
    // cannot end, Escape and the end screen shown through the Game's own call),
    // Escape ignored there, Return to the level select, level 2, Escape, and
    // Escape again, which ends the program.
    TourLog run();
    // From the main menu: opens the level select, starts level 1, holds Right
    // until the level ends (at most kLevelFrames) and presses Return on the end
    // screen, which files a completed level's time. True when the level ended.
    bool completeFirstLevel();
    // Frames run so far.
    int frameCount() const { return frameTotal; }

private:
    std::unique_ptr<Game> theGame;
    int frameTotal = 0;
};

}  // namespace reliability
