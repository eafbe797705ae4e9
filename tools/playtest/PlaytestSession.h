#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "game/shell/KeyState.h"
#include "game/world/LevelEndHost.h"
#include "game/world/LevelEndListener.h"
#include "tools/playtest/ReplayFile.h"
#include "tools/playtest/RunRecorder.h"

class AudioManager;
class LevelEndScreen;
class LevelPlay;

// What a play-test session is asked to do.
struct PlaytestSetup {
    std::string levelPath;
    std::string recordPath;      // write each finished run here; empty: no recording
    std::vector<KeyRun> replay;  // watch these runs; empty: play from the keyboard
};

// One play-test of a level file in its own window: the game's level play, HUD,
// sounds and end screen on the game's 16 ms frame schedule, with every step
// advancing exactly 16 ms of game time so that runs are reproducible. It never
// files a best time. Return on the end screen plays the level again (not when
// watching); Escape quits.
class PlaytestSession : public LevelEndListener, public LevelEndHost {
public:
    // Exit statuses of run().
    static constexpr int kCompleted = 0;
    static constexpr int kDied = 1;
    static constexpr int kUnusable = 2;
    static constexpr int kReplayRanOut = 3;

    // SDL (video, audio) and the font library must be initialised. Opens the
    // window; on failure prints one line and ok() answers false.
    explicit PlaytestSession(PlaytestSetup setup);
    ~PlaytestSession() override;
    PlaytestSession(const PlaytestSession&) = delete;
    PlaytestSession& operator=(const PlaytestSession&) = delete;

    bool ok() const { return renderer != nullptr; }
    // Plays until Escape, the window's close button or a stop request (or the end
    // of a watched replay); returns the exit status: 0 when played from the
    // keyboard, the watched run's outcome, or 128 + the signal after a request.
    int run();

    // One frame of run(): wait for its due time, poll the keyboard, one step of
    // the active screen. Tests drive a session frame by frame with it.
    void frame();
    bool isFinished() const { return finished; }

    void showLevelEnd(int score, float seconds, int outcome) override;
    void saveBestTime(int32_t seconds) override;
    void setState(GameState newState) override;

private:
    void startRun();
    void pollKeyboard();
    void applyReplayStep();
    void playStep();
    void finishRun();
    void writeRecording(const char* ending);
    void present();

    PlaytestSetup setup;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    KeyState keys;
    RunRecorder recorder;
    std::unique_ptr<AudioManager> audio;
    std::unique_ptr<LevelPlay> level;
    std::unique_ptr<LevelEndScreen> endScreen;
    double nextTickTime = 0.0;
    bool playing = true;
    bool finished = false;
    bool restartWanted = false;
    // Why the play-test is to end before the next frame (Escape, the close
    // button, a stop request), or nullptr.
    const char* leaveReason = nullptr;
    bool recordingWritten = false;
    int status = kCompleted;
    // The last end reported during the current step: the one the end screen shows.
    bool ended = false;
    int endScore = 0;
    float endSeconds = 0.0f;
    int endOutcome = 0;
    // Watching: the run and the step within it that comes next, the keys held.
    size_t replayRun = 0;
    int replayStep = 0;
    std::vector<KeyFlag> replayHeld;
    int endScreenFramesLeft = 0;
};
