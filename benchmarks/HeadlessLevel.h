#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "game/shell/KeyState.h"
#include "game/world/LevelEndListener.h"

class AudioManager;
class LevelPlay;

// A level played without a screen: a 640 x 480 window on SDL's dummy driver with
// the renderer the Game would create there (the software one), dummy audio, keys
// held as told, and a fixed frame time of 16 ms. SDL and the font library must be
// started.
class HeadlessLevel : public LevelEndListener {
public:
    static constexpr double kStepSeconds = 0.016;

    // Creates the window, renderer, audio manager and an empty level play.
    HeadlessLevel();
    // Destroys the level play and audio before the renderer and the window.
    ~HeadlessLevel() override;
    HeadlessLevel(const HeadlessLevel&) = delete;
    HeadlessLevel& operator=(const HeadlessLevel&) = delete;

    // Loads a level file (relative to the working directory or absolute).
    void load(const std::string& path);
    // Holds a key down from now on, as its key-down event would.
    void holdKey(SDL_Keycode key);
    // One frame of play as the Game runs it: clear, the level's step (which moves
    // and draws everything) and the present that shows the picture.
    void step();
    // Counts the ends; the level keeps running, as nothing stops it here.
    void showLevelEnd(int score, float seconds, int outcome) override;

    LevelPlay& level() { return *levelPlay; }
    // The renderer everything draws with; valid for the object's life.
    SDL_Renderer* getRenderer() const { return renderer; }
    int endCount() const { return ends; }

private:
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    KeyState keys;
    std::unique_ptr<AudioManager> audio;
    std::unique_ptr<LevelPlay> levelPlay;
    int ends = 0;
};
