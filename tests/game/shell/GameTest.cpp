#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <vector>

#include "game/media/TextRenderer.h"
#include "game/menu/Menu.h"
#include "game/shell/FrameTime.h"
#include "game/shell/Game.h"
#include "game/world/LevelEndScreen.h"
#include "game/world/LevelPlay.h"
#include "tests/game/support/GameFixture.h"
#include "tests/support/ScratchFolder.h"

using testsupport::fakeClock;
using testsupport::ScratchFolder;

namespace {

class GameTest : public testsupport::GameFixture {};

TEST_F(GameTest, StartsOnTheMainMenuWithMusicAndTheStoredTimes) {
    EXPECT_TRUE(game->hasDisplay());
    EXPECT_EQ(game->getState(), MainMenu);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(game->getBestTime(0), 12);
    EXPECT_EQ(game->getBestTime(1), 34);
    EXPECT_EQ(game->getBestTime(2), 56);
    EXPECT_EQ(game->getBestTime(3), -1);
    EXPECT_EQ(game->getBestTime(-1), -1);
    EXPECT_FALSE(game->isFinished());
}

TEST_F(GameTest, ScheduleAdvancesExactly16MillisecondsAndNeverResets) {
    const double first = game->getNextTickTime();
    game->runFrame();  // the first frame is already due: no wait
    EXPECT_EQ(game->getPresentCount(), 0);
    for (int i = 1; i <= 5; ++i) {
        game->runFrame();
        EXPECT_DOUBLE_EQ(game->getNextTickTime(), first + 16.0 * (i + 1));
        EXPECT_GE(static_cast<double>(testsupport::fakeClockNow()),
                  first + 16.0 * i);  // waited for the due time
    }
    EXPECT_GT(game->getPresentCount(), 0);
    // A late frame is followed at once by the next: no present in between.
    testsupport::advanceFakeClock(100);
    const int presents = game->getPresentCount();
    const double due = game->getNextTickTime();
    game->runFrame();
    game->runFrame();
    EXPECT_EQ(game->getPresentCount(), presents);
    EXPECT_DOUBLE_EQ(game->getNextTickTime(), due + 32.0);
}

TEST_F(GameTest, DeltaTimeIsMeasuredFromTheClock) {
    game->runFrame();
    testsupport::advanceFakeClock(250);
    const Uint32 before = testsupport::fakeClockNow();
    game->runFrame();
    EXPECT_EQ(static_cast<Uint32>(lastClockValue), before);
    EXPECT_GE(deltaTime, 0.25);
    EXPECT_LT(deltaTime, 0.30);
}

TEST_F(GameTest, EscapeEndsTheProgramOnMenuScreens) {
    pressKey(SDLK_ESCAPE);
    EXPECT_TRUE(game->isFinished());
}

TEST_F(GameTest, EscapeFromOptionsEndsTheProgramToo) {
    game->getMenu().buildOptions();
    pressKey(SDLK_ESCAPE);
    EXPECT_TRUE(game->isFinished());
}

TEST_F(GameTest, EscapeLeavesALevelForTheLevelSelectWithMusic) {
    game->getMenu().buildLevelSelect();
    pressKey(SDLK_RETURN);
    ASSERT_EQ(game->getState(), Playing);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    pressKey(SDLK_ESCAPE);
    EXPECT_EQ(game->getState(), LevelSelect);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(game->getMenu().getCursor(), 0);
    EXPECT_FALSE(game->isFinished());
}

TEST_F(GameTest, EscapeIsIgnoredOnTheEndScreen) {
    game->showLevelEnd(100, 3.0f, 0);
    pressKey(SDLK_ESCAPE);
    EXPECT_EQ(game->getState(), LevelEnded);
    EXPECT_FALSE(game->isFinished());
}

TEST_F(GameTest, ReturnOnACompletedLevelFilesTheTruncatedTimeOnce) {
    folder.writeFile("assets/highscores.txt", "99999\n34\n56");
    game->loadBestTimes();
    game->startLevel(0);
    game->showLevelEnd(900, 59.99f, 1);
    pressKey(SDLK_RETURN);
    EXPECT_EQ(game->getState(), LevelSelect);
    EXPECT_EQ(game->getBestTime(0), 59);
    EXPECT_EQ(bestTimesFile(), "59\n34\n56");
    remove("assets/highscores.txt");
    // The second Return reaches the menu, not the end screen: nothing is filed again.
    pressKey(SDLK_RETURN);
    EXPECT_EQ(bestTimesFile(), "");
}

TEST_F(GameTest, CompletingLevelTwoFasterStoresTheNewTime) {
    game->startLevel(1);
    game->showLevelEnd(800, 33.9f, 1);
    pressKey(SDLK_RETURN);
    EXPECT_EQ(game->getBestTime(1), 33);
    EXPECT_EQ(bestTimesFile(), "12\n33\n56");
    // A slower time rewrites the same values.
    remove("assets/highscores.txt");
    game->startLevel(1);
    game->showLevelEnd(800, 40.0f, 1);
    pressKey(SDLK_RETURN);
    EXPECT_EQ(bestTimesFile(), "12\n33\n56");
    // The same time is kept too.
    game->showLevelEnd(800, 33.2f, 1);
    pressKey(SDLK_RETURN);
    EXPECT_EQ(game->getBestTime(1), 33);
}

TEST_F(GameTest, ADeathFilesNothing) {
    game->startLevel(2);
    game->showLevelEnd(300, 5.0f, 0);
    remove("assets/highscores.txt");
    pressKey(SDLK_RETURN);
    EXPECT_EQ(game->getState(), LevelSelect);
    EXPECT_EQ(bestTimesFile(), "");
}

TEST_F(GameTest, TheEndScreenShowsTheOutcomeTimeAndScore) {
    SDL_Renderer* renderer = game->getRenderer();
    const auto picture = [&](const std::function<void()>& draw) {
        SDL_SetRenderDrawColor(renderer, 255, 255, 255, 255);
        SDL_RenderClear(renderer);
        draw();
        std::vector<Uint32> pixels(640 * 480);
        SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                             640 * sizeof(Uint32));
        return pixels;
    };
    game->showLevelEnd(900, 12.345f, 1);
    const std::vector<Uint32> shown = picture([&] { game->getLevelEndScreen()->update(); });
    TextRenderer expected(renderer);
    const SDL_Color black{0, 0, 0, 0};
    expected.addText("You completed the level!", black, 200, 170);
    expected.addText("Game Finished in: 12.35", black, 200, 200);
    expected.addText("Score: 900", black, 200, 230);
    expected.addText("Press Enter for level select!", black, 200, 300);
    EXPECT_TRUE(shown == picture([&] { expected.renderAll(); }));
}

TEST_F(GameTest, AFailedSaveKeepsTheTimeInMemory) {
    mkdir("assets/highscores.txt.tmp", 0755);  // the temporary file cannot be made
    game->startLevel(2);
    game->showLevelEnd(800, 20.5f, 1);
    testing::internal::CaptureStdout();
    pressKey(SDLK_RETURN);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Could not save best times"), std::string::npos) << out;
    EXPECT_EQ(game->getBestTime(2), 20);
    EXPECT_EQ(bestTimesFile(), "12\n34\n56");
}

TEST_F(GameTest, AMissingFolderKeepsTheTimeInMemory) {
    game->startLevel(0);
    game->showLevelEnd(800, 9.5f, 1);
    ASSERT_EQ(rename("assets", "assets-away"), 0);
    testing::internal::CaptureStdout();
    pressKey(SDLK_RETURN);
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_EQ(rename("assets-away", "assets"), 0);
    EXPECT_NE(out.find("Could not save best times to assets/highscores.txt"), std::string::npos)
        << out;
    EXPECT_EQ(game->getBestTime(0), 9);
    EXPECT_EQ(bestTimesFile(), "12\n34\n56");
}

TEST(GameStartTest, MissingOrShortBestTimesFileKeepsStartValues) {
    ScratchFolder folder;
    folder.linkRepositoryAssetsExceptBestTimes();
    folder.writeFile("assets/highscores.txt", "12\n34");
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO);
    TTF_Init();
    {
        Game game(fakeClock);
        EXPECT_EQ(game.getBestTime(1), 34);
        EXPECT_EQ(game.getBestTime(2), BestTimeFile::kNoTime);
    }
    remove("assets/highscores.txt");
    {
        Game game(fakeClock);
        EXPECT_EQ(game.getBestTime(0), BestTimeFile::kNoTime);
    }
    TTF_Quit();
    SDL_Quit();
}

}  // namespace
