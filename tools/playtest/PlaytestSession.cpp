#include "tools/playtest/PlaytestSession.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <utility>

#include "common/SafeFileWriter.h"
#include "common/StopSignals.h"
#include "game/characters/Player.h"
#include "game/media/AudioManager.h"
#include "game/shell/FrameTime.h"
#include "game/shell/Game.h"
#include "game/world/LevelEndScreen.h"
#include "game/world/LevelPlay.h"

namespace {
constexpr const char* kTitlePrefix = "Kestrun 2 play-test: ";
constexpr int kWindowX = 250;
constexpr int kWindowY = 50;
constexpr double kStepSeconds = 0.016;
constexpr double kFrameMilliseconds = 16.0;
constexpr Uint32 kWaitSliceMilliseconds = 1;
constexpr int kCompletedOutcome = 1;
// A watched run's end screen stays this many frames (2 s) before the program ends.
constexpr int kWatchEndFrames = 125;

SDL_Keycode keycodeOf(KeyFlag flag) {
    static constexpr SDL_Keycode kCodes[] = {SDLK_ESCAPE, SDLK_x,  SDLK_z,    SDLK_LEFT,
                                             SDLK_RIGHT,  SDLK_UP, SDLK_DOWN, SDLK_RETURN};
    return kCodes[flag];
}

void sendKey(KeyState& keys, KeyFlag flag, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = keycodeOf(flag);
    keys.handleKeyEvent(event);
}

bool contains(const std::vector<KeyFlag>& keys, KeyFlag flag) {
    return std::find(keys.begin(), keys.end(), flag) != keys.end();
}

void printEnd(const char* what, float seconds, int score) {
    std::printf("%s: %.2f s, score %d\n", what, static_cast<double>(seconds), score);
    std::fflush(stdout);
}
}  // namespace

PlaytestSession::PlaytestSession(PlaytestSetup setup_) : setup(std::move(setup_)) {
    const std::string title =
        kTitlePrefix + std::filesystem::path(setup.levelPath).filename().string();
    window = SDL_CreateWindow(title.c_str(), kWindowX, kWindowY, Game::kWindowWidth,
                              Game::kWindowHeight, 0);
    if (window == nullptr) {
        std::printf("kestrun_playtest: cannot open a window: %s\n", SDL_GetError());
        return;
    }
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (renderer == nullptr) {
        std::printf("kestrun_playtest: cannot draw in the window: %s\n", SDL_GetError());
        return;
    }
    audio = std::make_unique<AudioManager>();
    startRun();
}

PlaytestSession::~PlaytestSession() {
    endScreen.reset();
    level.reset();
    audio.reset();
    if (renderer != nullptr) {
        SDL_DestroyRenderer(renderer);
    }
    if (window != nullptr) {
        SDL_DestroyWindow(window);
    }
}

void PlaytestSession::startRun() {
    // A fresh level play each run: bullets of the last run do not fly into this one.
    level.reset();
    level = std::make_unique<LevelPlay>(renderer, keys, nullptr, audio.get(), *this);
    level->loadLevelFile(setup.levelPath);
    recorder.restart();
    playing = true;
    restartWanted = false;
}

int PlaytestSession::run() {
    nextTickTime = static_cast<double>(SDL_GetTicks());
    while (!finished) {
        frame();
    }
    if (StopSignals::received() != 0) {
        return StopSignals::exitStatus();
    }
    return status;
}

void PlaytestSession::frame() {
    // The last picture is shown once, then the wait sleeps: a designer's
    // machine keeps its cores while the play-test runs.
    if (nextTickTime > static_cast<double>(SDL_GetTicks())) {
        present();
    }
    while (nextTickTime > static_cast<double>(SDL_GetTicks())) {
        SDL_Delay(kWaitSliceMilliseconds);
    }
    deltaTime = kStepSeconds;
    SDL_RenderClear(renderer);
    pollKeyboard();
    if (playing) {
        playStep();
    } else if (endScreen != nullptr) {
        endScreen->update();
        if (!setup.replay.empty() && --endScreenFramesLeft <= 0) {
            finished = true;
        } else if (restartWanted) {
            startRun();
        }
    }
    if (StopSignals::received() != 0 && leaveReason == nullptr) {
        leaveReason = "stopped by a signal";
    }
    if (leaveReason != nullptr) {
        if (playing && !recordingWritten && setup.replay.empty()) {
            writeRecording(leaveReason);
        }
        finished = true;
    }
    nextTickTime += kFrameMilliseconds;
}

void PlaytestSession::present() {
    SDL_SetRenderDrawColor(renderer, 255, 255, 255, 255);
    SDL_RenderPresent(renderer);
}

void PlaytestSession::pollKeyboard() {
    recorder.beforePoll(keys);
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT && leaveReason == nullptr) {
            leaveReason = "left by closing the window";
        }
        if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) {
            continue;
        }
        if (event.key.keysym.sym == SDLK_ESCAPE) {
            if (event.type == SDL_KEYDOWN && leaveReason == nullptr) {
                leaveReason = "left with Escape";
            }
            continue;
        }
        if (setup.replay.empty()) {
            keys.handleKeyEvent(event);
            recorder.noteEvent(event);
        }
    }
}

void PlaytestSession::applyReplayStep() {
    while (replayRun < setup.replay.size()) {
        const KeyRun& r = setup.replay[replayRun];
        if (replayStep == 0) {
            // The keys change at a run's start exactly as in the replay harness.
            for (KeyFlag flag : std::vector<KeyFlag>(replayHeld)) {
                if (!contains(r.held, flag)) {
                    sendKey(keys, flag, false);
                }
            }
            for (KeyFlag flag : r.held) {
                if (!contains(replayHeld, flag) || contains(r.fresh, flag)) {
                    sendKey(keys, flag, true);
                }
            }
            replayHeld = r.held;
        }
        if (replayStep < r.steps) {
            ++replayStep;
            return;
        }
        ++replayRun;
        replayStep = 0;
    }
}

void PlaytestSession::playStep() {
    if (!setup.replay.empty()) {
        applyReplayStep();
        if (replayRun >= setup.replay.size()) {
            Player* player = level->getPlayer();
            printEnd("replay ran out", player != nullptr ? player->getTime() : 0.0f,
                     player != nullptr ? player->getScore() : 0);
            status = kReplayRanOut;
            finished = true;
            return;
        }
    } else {
        recorder.recordStep(keys);
    }
    ended = false;
    level->update();
    if (ended) {
        finishRun();
    }
}

void PlaytestSession::finishRun() {
    const bool completed = endOutcome == kCompletedOutcome;
    printEnd(completed ? "completed" : "died", endSeconds, endScore);
    if (setup.replay.empty()) {
        writeRecording(completed ? "completed" : "died");
    } else {
        status = completed ? kCompleted : kDied;
        endScreenFramesLeft = kWatchEndFrames;
    }
    endScreen =
        std::make_unique<LevelEndScreen>(renderer, endScore, endSeconds, endOutcome, keys, *this);
    playing = false;
}

void PlaytestSession::writeRecording(const char* ending) {
    if (setup.recordPath.empty()) {
        return;
    }
    const std::vector<KeyRun>& runs = recorder.runs();
    std::ostringstream text;
    text << "# " << setup.levelPath
         << " played with kestrun_playtest: " << ReplayFile::stepCount(runs) << " steps, " << ending
         << ".\n"
         << ReplayFile::format(runs);
    std::string problem;
    if (!SafeFileWriter::write(setup.recordPath, text.str(), problem)) {
        std::printf("kestrun_playtest: cannot write the replay %s: %s\n", setup.recordPath.c_str(),
                    problem.c_str());
        std::fflush(stdout);
        return;
    }
    recordingWritten = true;
}

void PlaytestSession::showLevelEnd(int score, float seconds, int outcome) {
    ended = true;
    endScore = score;
    endSeconds = seconds;
    endOutcome = outcome;
}

void PlaytestSession::saveBestTime(int32_t) {
    // The play-test never touches the best times.
}

void PlaytestSession::setState(GameState newState) {
    restartWanted = newState == LevelSelect && setup.replay.empty();
}
