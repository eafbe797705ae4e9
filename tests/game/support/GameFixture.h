#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/shell/Game.h"
#include "tests/support/ScratchFolder.h"

namespace testsupport {

// A scripted millisecond clock: every reading advances it by one millisecond, so
// the Game's busy wait always ends at once in tests.
Uint32 fakeClock();
// Moves the scripted clock forward.
void advanceFakeClock(Uint32 milliseconds);
// The scripted clock's next reading.
Uint32 fakeClockNow();

// A whole Game, headless, in a scratch folder whose assets link to the
// repository's, with its own high-score file holding 12, 34 and 56.
class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Holds a key across one frame, then releases it before the next.
    void pressKey(SDL_Keycode key);
    // Runs frames with no key change.
    void frames(int count);
    std::string bestTimesFile() const { return folder.readFile("assets/highscores.txt"); }

    ScratchFolder folder;
    std::unique_ptr<Game> game;
};

}  // namespace testsupport
