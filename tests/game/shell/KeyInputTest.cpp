#include <gtest/gtest.h>

#include "game/shell/EventPump.h"
#include "game/shell/KeyState.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/KeyEvents.h"

using testsupport::pushKey;
using testsupport::pushTap;

namespace {

class KeyInputTest : public ::testing::Test {
protected:
    testsupport::HeadlessWindow window;  // SDL video is needed for the event queue
    KeyState keys;
    EventPump pump{keys};
};

TEST_F(KeyInputTest, EveryGameKeyIsHeldFromDownToUp) {
    const SDL_Keycode codes[] = {SDLK_ESCAPE, SDLK_x,  SDLK_z,    SDLK_LEFT,
                                 SDLK_RIGHT,  SDLK_UP, SDLK_DOWN, SDLK_RETURN};
    for (int i = 0; i < KeyState::kFlagCount; ++i) {
        auto flag = static_cast<KeyFlag>(i);
        pushKey(codes[i], true);
        pump.pollEvents();
        EXPECT_TRUE(keys.isDown(flag)) << i;
        EXPECT_TRUE(keys.isDown(flag)) << "isDown must not clear " << i;
        pushKey(codes[i], false);
        pump.pollEvents();
        EXPECT_FALSE(keys.isDown(flag)) << i;
    }
}

TEST_F(KeyInputTest, PressAndReleaseInOnePollIsOnePressButNeverHeld) {
    pushTap(SDLK_z);
    pump.pollEvents();
    EXPECT_FALSE(keys.isDown(KeyZ));
    EXPECT_TRUE(keys.consumePress(KeyZ));
    EXPECT_FALSE(keys.consumePress(KeyZ));
    // A tap that nobody takes in its frame is gone after the next poll.
    pushTap(SDLK_x);
    pump.pollEvents();
    pump.pollEvents();
    EXPECT_FALSE(keys.consumePress(KeyX));
}

TEST_F(KeyInputTest, ConsumeAnswersOncePerKeyDownIncludingRepeats) {
    pushKey(SDLK_UP, true);
    pump.pollEvents();
    EXPECT_TRUE(keys.consumePress(KeyUp));
    EXPECT_FALSE(keys.consumePress(KeyUp));  // still held, but the press is taken
    EXPECT_FALSE(keys.isDown(KeyUp));
    pushKey(SDLK_UP, true);  // an auto-repeat of the held key
    pump.pollEvents();
    EXPECT_TRUE(keys.consumePress(KeyUp));
}

TEST_F(KeyInputTest, QuitMouseAndOtherKeysChangeNothing) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    pushKey(SDLK_KP_ENTER, true);
    pushKey(SDLK_a, true);
    pushKey(SDLK_RCTRL, true);
    pump.pollEvents();
    for (int i = 0; i < KeyState::kFlagCount; ++i) {
        EXPECT_FALSE(keys.isDown(static_cast<KeyFlag>(i))) << i;
    }
    // The quit event was drained and dropped, not left in the queue.
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT), 0);
}

TEST_F(KeyInputTest, OutOfRangeFlagsAnswerFalse) {
    EXPECT_FALSE(keys.isDown(static_cast<KeyFlag>(-1)));
    EXPECT_FALSE(keys.consumePress(static_cast<KeyFlag>(8)));
}

}  // namespace
