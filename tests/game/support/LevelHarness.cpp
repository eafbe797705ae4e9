#include "tests/game/support/LevelHarness.h"

#include <SDL_ttf.h>

#include <algorithm>

#include "game/media/AudioManager.h"
#include "game/shell/FrameTime.h"

namespace testsupport {

namespace {
SDL_Event keyEvent(KeyFlag flag, bool down) {
    static constexpr SDL_Keycode kCodes[] = {SDLK_ESCAPE, SDLK_x,  SDLK_z,    SDLK_LEFT,
                                             SDLK_RIGHT,  SDLK_UP, SDLK_DOWN, SDLK_RETURN};
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = kCodes[flag];
    return event;
}
}  // namespace

LevelHarness::LevelHarness() {
    TTF_Init();
    audioManager = std::make_unique<AudioManager>();
    levelPlay = std::make_unique<LevelPlay>(headless.renderer(), keyState, nullptr,
                                            audioManager.get(), *this);
    deltaTime = kStepSeconds;
}

LevelHarness::~LevelHarness() {
    levelPlay.reset();
    audioManager.reset();
    TTF_Quit();
}

void LevelHarness::loadLevel(int index) {
    levelPlay->loadLevel(index);
}

void LevelHarness::loadLevelFile(const std::string& path) {
    levelPlay->loadLevelFile(path);
}

void LevelHarness::keyDown(KeyFlag flag) {
    keyState.handleKeyEvent(keyEvent(flag, true));
    if (std::find(heldKeys.begin(), heldKeys.end(), flag) == heldKeys.end()) {
        heldKeys.push_back(flag);
    }
}

void LevelHarness::keyUp(KeyFlag flag) {
    keyState.handleKeyEvent(keyEvent(flag, false));
    heldKeys.erase(std::remove(heldKeys.begin(), heldKeys.end(), flag), heldKeys.end());
}

void LevelHarness::releaseAll() {
    const std::vector<KeyFlag> held = heldKeys;
    for (KeyFlag flag : held) {
        keyUp(flag);
    }
}

void LevelHarness::step() {
    deltaTime = kStepSeconds;
    headless.clear(255, 255, 255);
    ++stepCount;  // level ends reported during this step carry its number
    levelPlay->update();
}

int LevelHarness::run(const std::vector<ReplayRun>& runs, bool stopAtEnd) {
    int ran = 0;
    for (const ReplayRun& r : runs) {
        const std::vector<KeyFlag> before = heldKeys;
        for (KeyFlag flag : before) {
            if (std::find(r.held.begin(), r.held.end(), flag) == r.held.end()) {
                keyUp(flag);
            }
        }
        for (KeyFlag flag : r.held) {
            const bool wasHeld = std::find(before.begin(), before.end(), flag) != before.end();
            const bool fresh = std::find(r.fresh.begin(), r.fresh.end(), flag) != r.fresh.end();
            if (!wasHeld || fresh) {
                keyDown(flag);
            }
        }
        for (int i = 0; i < r.steps; ++i) {
            step();
            ++ran;
            if (stopAtEnd && !levelEnds.empty()) {
                return ran;
            }
        }
    }
    return ran;
}

void LevelHarness::showLevelEnd(int score, float seconds, int outcome) {
    levelEnds.push_back(LevelEnd{score, seconds, outcome, stepCount});
}

}  // namespace testsupport
