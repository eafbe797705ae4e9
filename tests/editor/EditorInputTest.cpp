#include <gtest/gtest.h>

#include "editor/EditorInput.h"
#include "tests/editor/EditorTestSupport.h"

using editortest::pushButton;
using editortest::pushKey;
using editortest::pushMotion;

namespace {

class EditorInputTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override { SDL_Quit(); }

    EditorInput input;
};

TEST_F(EditorInputTest, EachKeyDrivesItsOwnFlagAndOnlyThat) {
    const struct {
        SDL_Keycode key;
        int flag;
    } keys[] = {{SDLK_ESCAPE, FlagEscape}, {SDLK_LCTRL, FlagLeftCtrl},
                {SDLK_s, FlagS},           {SDLK_LEFT, FlagLeft},
                {SDLK_RIGHT, FlagRight},   {SDLK_g, FlagG},
                {SDLK_p, FlagP},           {SDLK_m, FlagM},
                {SDLK_b, FlagB},           {SDLK_u, FlagU},
                {SDLK_e, FlagE},           {SDLK_i, FlagI},
                {SDLK_d, FlagD},           {SDLK_c, FlagC},
                {SDLK_h, FlagH},           {SDLK_a, FlagA}};
    for (const auto& k : keys) {
        pushKey(k.key, true);
        input.pollEvents();
        for (int flag = 0; flag < FlagCount; ++flag) {
            EXPECT_EQ(input.isDown(flag), flag == k.flag) << "key " << k.key << " flag " << flag;
        }
        pushKey(k.key, false);
        input.pollEvents();
        EXPECT_FALSE(input.isDown(k.flag));
    }
}

TEST_F(EditorInputTest, KeysOutsideTheTableDriveNothing) {
    for (SDL_Keycode key : {SDLK_RCTRL, SDLK_z, SDLK_UP, SDLK_DOWN, SDLK_RETURN, SDLK_x}) {
        pushKey(key, true);
    }
    input.pollEvents();
    for (int flag = 0; flag < FlagCount; ++flag) {
        EXPECT_FALSE(input.isDown(flag)) << flag;
    }
}

TEST_F(EditorInputTest, ConsumePressAnswersOncePerPressAndIsDownLeavesTheFlag) {
    pushKey(SDLK_g, true);
    input.pollEvents();
    EXPECT_TRUE(input.isDown(FlagG));
    EXPECT_TRUE(input.isDown(FlagG));
    EXPECT_TRUE(input.consumePress(FlagG));
    EXPECT_FALSE(input.consumePress(FlagG));
    // A key repeat while held counts as a new press.
    pushKey(SDLK_g, true);
    input.pollEvents();
    EXPECT_TRUE(input.consumePress(FlagG));
    EXPECT_FALSE(input.isDown(-1));
    EXPECT_FALSE(input.isDown(FlagCount));
    EXPECT_FALSE(input.consumePress(FlagCount));
}

TEST_F(EditorInputTest, PressAndReleaseInOnePollAreOnePressButNotHeld) {
    pushKey(SDLK_ESCAPE, true);
    pushKey(SDLK_ESCAPE, false);
    pushButton(SDL_BUTTON_LEFT, true, 40, 50);
    pushButton(SDL_BUTTON_LEFT, false, 40, 50);
    input.pollEvents();
    EXPECT_FALSE(input.isDown(FlagEscape));
    EXPECT_FALSE(input.isDown(FlagMouseLeft));
    EXPECT_TRUE(input.isDownOrTapped(FlagEscape));
    EXPECT_TRUE(input.consumePress(FlagMouseLeft));
    EXPECT_FALSE(input.consumePress(FlagMouseLeft));
    // A tap nobody took is gone after the next poll.
    input.pollEvents();
    EXPECT_FALSE(input.isDownOrTapped(FlagEscape));
    // The press still recorded where it happened.
    EXPECT_EQ(input.clickPosition().x, 40);
    EXPECT_EQ(input.clickPosition().y, 50);
}

TEST_F(EditorInputTest, LeftButtonStoresTheClickAndMotionStoresThePointer) {
    pushMotion(300, 200);
    pushButton(SDL_BUTTON_LEFT, true, 33, 65);
    pushMotion(310, 210);
    input.pollEvents();
    EXPECT_TRUE(input.isDown(FlagMouseLeft));
    EXPECT_EQ(input.clickPosition().x, 33);
    EXPECT_EQ(input.clickPosition().y, 65);
    EXPECT_EQ(input.pointerPosition().x, 310);
    EXPECT_EQ(input.pointerPosition().y, 210);
}

TEST_F(EditorInputTest, OtherMouseButtonsAndQuitAreDropped) {
    pushButton(SDL_BUTTON_LEFT, true, 10, 20);
    input.pollEvents();
    ASSERT_TRUE(input.consumePress(FlagMouseLeft));
    pushButton(SDL_BUTTON_RIGHT, true, 100, 100);
    pushButton(SDL_BUTTON_MIDDLE, true, 200, 200);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    input.pollEvents();
    for (int flag = 0; flag < FlagCount; ++flag) {
        EXPECT_FALSE(input.isDown(flag)) << flag;
    }
    EXPECT_EQ(input.clickPosition().x, 10);
    EXPECT_EQ(input.clickPosition().y, 20);
    // A right-button release does not cancel a held left button.
    pushButton(SDL_BUTTON_LEFT, true, 10, 20);
    pushButton(SDL_BUTTON_RIGHT, false, 10, 20);
    input.pollEvents();
    EXPECT_TRUE(input.isDown(FlagMouseLeft));
}

}  // namespace
