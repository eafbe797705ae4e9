#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "game/media/AudioManager.h"
#include "game/menu/Menu.h"
#include "game/world/LevelPlay.h"
#include "tests/game/support/GameFixture.h"
#include "tests/support/KeyEvents.h"

namespace {

class MenuTest : public testsupport::GameFixture {
protected:
    Menu& menu() { return game->getMenu(); }
};

TEST_F(MenuTest, MainMenuCursorWrapsAtBothEnds) {
    EXPECT_EQ(menu().getCursor(), 0);
    pressKey(SDLK_UP);
    EXPECT_EQ(menu().getCursor(), 2);
    pressKey(SDLK_DOWN);
    EXPECT_EQ(menu().getCursor(), 0);
}

TEST_F(MenuTest, LevelSelectCursorWrapsThroughBack) {
    pressKey(SDLK_RETURN);
    ASSERT_EQ(game->getState(), LevelSelect);
    EXPECT_EQ(menu().getCursor(), 0);
    pressKey(SDLK_UP);
    EXPECT_EQ(menu().getCursor(), 3);
    pressKey(SDLK_DOWN);
    EXPECT_EQ(menu().getCursor(), 0);
}

TEST_F(MenuTest, LabelsShowTheBestTimesAndFollowChanges) {
    pressKey(SDLK_RETURN);
    EXPECT_STREQ(menu().getLevelLabel(0), "Level 1 - Best Time: 12S");
    EXPECT_STREQ(menu().getLevelLabel(1), "Level 2 - Best Time: 34S");
    EXPECT_STREQ(menu().getLevelLabel(2), "Level 3 - Best Time: 56S");
    game->startLevel(1);
    game->showLevelEnd(800, 20.0f, 1);
    pressKey(SDLK_RETURN);  // files 20 and returns to the level select
    frames(1);
    EXPECT_STREQ(menu().getLevelLabel(1), "Level 2 - Best Time: 20S");
}

TEST_F(MenuTest, OptionsHoldTheCursorOnBackAndChangeTheVolume) {
    pressKey(SDLK_DOWN);
    pressKey(SDLK_RETURN);
    ASSERT_EQ(game->getState(), Options);
    EXPECT_EQ(menu().getCursor(), 3);
    pressKey(SDLK_UP);
    EXPECT_EQ(menu().getCursor(), 3);
    pressKey(SDLK_DOWN);
    EXPECT_EQ(menu().getCursor(), 3);
    testsupport::pushKey(SDLK_LEFT, true);
    frames(30);
    EXPECT_EQ(game->getAudio().getVolume(), 70);
    frames(200);
    EXPECT_EQ(game->getAudio().getVolume(), 0);
    testsupport::pushKey(SDLK_LEFT, false);
    testsupport::pushKey(SDLK_RIGHT, true);
    frames(30);
    EXPECT_EQ(game->getAudio().getVolume(), 30);
    frames(120);
    EXPECT_EQ(game->getAudio().getVolume(), 100);
    EXPECT_EQ(Mix_VolumeMusic(-1), 100);
    testsupport::pushKey(SDLK_RIGHT, false);
    // Return on the options screen goes back to the main menu, arrow on "Start Game".
    pressKey(SDLK_RETURN);
    EXPECT_EQ(game->getState(), MainMenu);
    EXPECT_EQ(menu().getCursor(), 0);
}

TEST_F(MenuTest, ChoosingALevelStopsTheMusicWithoutTheNavigationSound) {
    pressKey(SDLK_RETURN);
    ASSERT_EQ(Mix_Playing(-1), 1);  // navigation sound of "Start Game"
    Mix_HaltChannel(-1);
    pressKey(SDLK_DOWN);
    pressKey(SDLK_RETURN);
    EXPECT_EQ(game->getState(), Playing);
    EXPECT_EQ(game->getLevelPlay().getLevelIndex(), 1);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(MenuTest, OneKeyActionPerFrameInTheOrderUpDownReturn) {
    testsupport::pushKey(SDLK_RETURN, true);
    testsupport::pushKey(SDLK_DOWN, true);
    frames(1);
    EXPECT_EQ(menu().getCursor(), 1);  // Down acted; Return waits
    EXPECT_EQ(game->getState(), MainMenu);
    frames(1);
    EXPECT_EQ(game->getState(), Options);
}

TEST_F(MenuTest, QuitGameEndsTheProgram) {
    pressKey(SDLK_DOWN);
    pressKey(SDLK_DOWN);
    pressKey(SDLK_RETURN);
    EXPECT_TRUE(game->isFinished());
}

}  // namespace
