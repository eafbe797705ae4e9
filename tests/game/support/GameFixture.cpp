#include "tests/game/support/GameFixture.h"

#include <SDL_ttf.h>

#include "tests/support/KeyEvents.h"

namespace testsupport {

namespace {
constexpr Uint32 kClockStart = 1000;
Uint32 now = kClockStart;
}  // namespace

Uint32 fakeClock() {
    return now++;
}
void advanceFakeClock(Uint32 milliseconds) {
    now += milliseconds;
}
Uint32 fakeClockNow() {
    return now;
}

void GameFixture::SetUp() {
    folder.linkRepositoryAssetsExceptBestTimes();
    folder.writeFile("assets/highscores.txt", "12\n34\n56");
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO);
    TTF_Init();
    now = kClockStart;
    game = std::make_unique<Game>(fakeClock);
}

void GameFixture::TearDown() {
    game.reset();
    TTF_Quit();
    SDL_Quit();
}

void GameFixture::pressKey(SDL_Keycode key) {
    pushKey(key, true);
    game->runFrame();
    pushKey(key, false);
}

void GameFixture::frames(int count) {
    for (int i = 0; i < count; ++i) {
        game->runFrame();
    }
}

}  // namespace testsupport
