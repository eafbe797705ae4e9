#include "tests/reliability/game/GameTour.h"

#include <SDL_ttf.h>

#include "game/world/LevelPlay.h"
#include "tests/game/support/GameFixture.h"
#include "tests/support/KeyEvents.h"

namespace reliability {

namespace {
// The clock moves a little less than a frame per frame; its own readings add the
// rest, so the Game waits briefly (presenting) as it does in the program.
constexpr Uint32 kClockStepMs = 14;
constexpr int kDied = 0;
constexpr float kNoTime = 0.0f;
}  // namespace

const char* const GameTour::kQuickLevel =
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G......................G\n"
    "G.ECCCCCCCC.....U......G\n"
    "GGGGGGGGGGGGGGGGGGGGGGGG\n"
    "GGGGGGGGGGGGGGGGGGGGGGGG\n";

GameTour::GameTour() {
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO);
    TTF_Init();
    theGame = std::make_unique<Game>(testsupport::fakeClock);
}

GameTour::~GameTour() {
    theGame.reset();
    TTF_Quit();
    SDL_Quit();
}

void GameTour::frames(int count) {
    for (int i = 0; i < count; ++i) {
        testsupport::advanceFakeClock(kClockStepMs);
        theGame->runFrame();
        ++frameTotal;
    }
}

void GameTour::press(SDL_Keycode key) {
    hold(key);
    frames(1);
    release(key);
}

void GameTour::hold(SDL_Keycode key) {
    testsupport::pushKey(key, true);
}

void GameTour::release(SDL_Keycode key) {
    testsupport::pushKey(key, false);
}

bool GameTour::completeFirstLevel() {
    press(SDLK_RETURN);
    press(SDLK_RETURN);
    hold(SDLK_RIGHT);
    for (int i = 0; i < kLevelFrames && theGame->getState() == Playing; ++i) {
        frames(1);
    }
    release(SDLK_RIGHT);
    const bool ended = theGame->getState() == LevelEnded;
    press(SDLK_RETURN);
    return ended;
}

TourLog GameTour::run() {
    TourLog log;
    Game& g = *theGame;
    frames(kScreenFrames);
    press(SDLK_RETURN);
    log.levelSelectShown = g.getState() == LevelSelect;
    frames(kScreenFrames);
    press(SDLK_RETURN);
    log.levelStarted = g.getState() == Playing && g.getLevelPlay().getLevelIndex() == 0;
    hold(SDLK_RIGHT);
    for (int i = 0; i < kLevelFrames && g.getState() == Playing; ++i) {
        frames(1);
    }
    release(SDLK_RIGHT);
    log.endedByPlay = g.getState() == LevelEnded;
    if (!log.endedByPlay) {
        // The level cannot end by itself (no player, no door, nothing drawn to
        // touch): leave it and show the end screen as the level play would.
        press(SDLK_ESCAPE);
        g.showLevelEnd(0, kNoTime, kDied);
    }
    frames(kScreenFrames);
    log.endScreenShown = g.getState() == LevelEnded && g.getLevelEndScreen() != nullptr;
    press(SDLK_ESCAPE);
    log.escapeIgnoredOnEnd = g.getState() == LevelEnded && !g.isFinished();
    press(SDLK_RETURN);
    log.backAtLevelSelect = g.getState() == LevelSelect;
    press(SDLK_DOWN);
    press(SDLK_RETURN);
    const bool secondStarted = g.getState() == Playing && g.getLevelPlay().getLevelIndex() == 1;
    frames(kSecondLevelFrames);
    press(SDLK_ESCAPE);
    log.secondLevelPlayed = secondStarted && g.getState() == LevelSelect;
    press(SDLK_ESCAPE);
    log.finished = g.isFinished();
    log.frames = frameTotal;
    return log;
}

}  // namespace reliability
