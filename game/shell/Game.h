#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

#include "game/shell/BestTimeFile.h"
#include "game/world/LevelEndHost.h"
#include "game/world/LevelEndListener.h"

class AudioManager;
class EventPump;
class KeyState;
class LevelEndScreen;
class LevelPlay;
class Menu;

// Which screen the Game drives; every value below Playing is a menu screen.
enum GameState : int32_t {
    MainMenu = 0,
    LevelSelect = 1,
    Options = 2,
    Playing = 4,
    LevelEnded = 5,
};

// The game's top-level object: owns the window, the renderer and every long-lived
// object, holds the screen state and the best times, and runs one frame of the
// fixed 16 ms schedule per runFrame call.
class Game : public LevelEndListener, public LevelEndHost {
public:
    // A millisecond clock; SDL_GetTicks in the program, a scripted clock in tests.
    using Clock = Uint32 (*)();

    static constexpr double kFrameMilliseconds = 16.0;
    static constexpr int kWindowWidth = 640;
    static constexpr int kWindowHeight = 480;
    static constexpr const char* kBestTimesPath = "assets/highscores.txt";

    // Opens the window and renderer, creates every object, builds the main menu
    // and reads the best times. After a window or renderer failure it has printed
    // the message and waited for one character; hasDisplay() then answers false.
    explicit Game(Clock clock = SDL_GetTicks);
    // Destroys the objects in the documented order, then the renderer and window.
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // True once the program should leave its main loop.
    bool isFinished() const { return finished; }
    // One frame: measure deltaTime, wait for the due time presenting meanwhile,
    // update the active screen, advance the due time by exactly 16 ms.
    void runFrame();
    // Ends the program after the current frame.
    void quit() { finished = true; }
    GameState getState() const { return state; }
    // Stores the state; nothing else.
    void setState(GameState newState) override { state = newState; }
    // Enters Playing and loads level index (0..2) into the level play.
    void startLevel(int32_t index);
    // Enters LevelEnded with a new end screen for these values, replacing the previous one.
    void showLevelEnd(int score, float seconds, int outcome) override;
    // Best time of level index 0..2 in whole seconds; -1 for any other index.
    int32_t getBestTime(int32_t index) const;
    // Files seconds for the level just played when it is not worse, then rewrites the file.
    void saveBestTime(int32_t seconds) override;
    // Reads the high-score file into the best times (missing file: values kept).
    void loadBestTimes();

    // Whether the window and the renderer were both created.
    bool hasDisplay() const { return window != nullptr && renderer != nullptr; }
    // Accessors for tests and tools; the Game keeps ownership.
    double getNextTickTime() const { return nextTickTime; }
    int getPresentCount() const { return presentCount; }
    SDL_Renderer* getRenderer() const { return renderer; }
    KeyState& getKeyState() { return *keyState; }
    AudioManager& getAudio() { return *audio; }
    LevelPlay& getLevelPlay() { return *levelPlay; }
    Menu& getMenu() { return *menu; }
    LevelEndScreen* getLevelEndScreen() { return levelEndScreen.get(); }

private:
    void createWindowAndRenderer();
    void present();
    void updateActiveScreen();

    BestTimeFile::Times bestTimes{BestTimeFile::kNoTime, BestTimeFile::kNoTime,
                                  BestTimeFile::kNoTime};
    std::unique_ptr<KeyState> keyState;
    std::unique_ptr<EventPump> eventPump;
    std::unique_ptr<AudioManager> audio;
    std::unique_ptr<LevelPlay> levelPlay;
    std::unique_ptr<Menu> menu;
    // Anything but MainMenu, so that the first buildMainMenu always takes place.
    GameState state = Playing;
    SDL_Renderer* renderer = nullptr;
    SDL_Window* window = nullptr;
    bool finished = false;
    double nextTickTime = 0.0;
    std::unique_ptr<LevelEndScreen> levelEndScreen;
    Clock clock;
    int presentCount = 0;
};
