#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "tests/game/support/LevelHarness.h"
#include "tests/game/support/ReplayScript.h"
#include "tests/support/ScratchFolder.h"
#include "tools/playtest/PlaytestSession.h"

namespace {
using testsupport::LevelHarness;
using testsupport::ReplayScript;
using testsupport::ScratchFolder;

// Eight coins on the floor, a block to jump, the door behind.
constexpr const char* kLevel =
    "....................\n....................\n....................\n"
    "....................\n....................\n....................\n"
    "....................\n....................\n....................\n"
    "....................\n....................\n....................\n"
    ".ECCCCCCCC...G...U..\nGGGGGGGGGGGGGGGGGGGG\n";

void key(SDL_Keycode code, bool down, bool repeat = false) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = code;
    event.key.repeat = repeat ? 1 : 0;
    SDL_PushEvent(&event);
}

// Plays the level from the keyboard the way a person does: Right held, Z held
// down with the keyboard's auto-repeat, a Left tap, then Return and Escape.
std::string playAndRecord() {
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO);
    TTF_Init();
    testing::internal::CaptureStdout();
    {
        PlaytestSession session(PlaytestSetup{"walk.txt", "walk.replay", {}});
        for (int frame = 0; frame < 600 && !session.isFinished(); ++frame) {
            if (frame == 5) {
                key(SDLK_RIGHT, true);
            } else if (frame == 100) {
                key(SDLK_z, true);
            } else if (frame > 100 && frame < 160 && frame % 4 == 0) {
                key(SDLK_z, true, true);
            } else if (frame == 160) {
                key(SDLK_z, false);
                key(SDLK_LEFT, true);
            } else if (frame == 163) {
                key(SDLK_LEFT, false);
            } else if (frame == 400) {
                key(SDLK_RETURN, true);
            } else if (frame == 420) {
                key(SDLK_ESCAPE, true);
            }
            session.frame();
        }
    }
    const std::string printed = testing::internal::GetCapturedStdout();
    TTF_Quit();
    SDL_Quit();
    return printed;
}
}  // namespace

TEST(PlaytestRecordTest, RecordedRunReplaysInTheHarnessWithTheSameEnd) {
    ScratchFolder folder;
    folder.linkRepositoryAssetsExceptBestTimes();
    folder.writeFile("walk.txt", kLevel);
    const std::string printed = playAndRecord();
    ASSERT_EQ(printed.rfind("completed: ", 0), 0u) << printed << folder.readFile("walk.replay");

    LevelHarness harness;
    harness.loadLevelFile("walk.txt");
    harness.run(ReplayScript::load("walk.replay"));
    ASSERT_FALSE(harness.ends().empty()) << folder.readFile("walk.replay");
    const testsupport::LevelEnd& end = harness.ends().back();
    char line[64];
    std::snprintf(line, sizeof line, "completed: %.2f s, score %d\n",
                  static_cast<double>(end.seconds), end.score);
    EXPECT_EQ(printed, line) << folder.readFile("walk.replay");
    EXPECT_FALSE(std::filesystem::exists("assets/highscores.txt"));
}
