// The asset folder, or one kind of asset, missing: the game still runs through
// its menus, a level, the end screen and a second level, printing nothing but
// the expected bitmap and font messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/shell/BestTimeFile.h"
#include "tests/reliability/game/GameTour.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/reliability/support/ConsoleReport.h"
#include "tests/support/ScratchFolder.h"

namespace reliability {
namespace {

// What the game does when one part of the assets is missing.
struct MissingCase {
    const char* name;
    std::vector<std::string> without;
    // Every bitmap message names a path under one of these; none are printed when empty.
    std::vector<std::string> reportedUnder;
    // One bitmap that must be reported (when reportedUnder is not empty).
    const char* mustReport;
    bool fontMessages;
    // Holding Right through the quick level 1 reaches the door.
    bool completesLevel;
};

void PrintTo(const MissingCase& c, std::ostream* out) {
    *out << c.name;
}

const MissingCase kMissingCases[] = {
    {"nothing", {}, {}, "", false, true},
    {"asset_folder", {"assets"}, {"assets/"}, "assets/sprites/menu/arrow.bmp", true, false},
    // The tile map draws nothing for missing tiles, silently; the door's picture
    // is a sprite and says so. The door's cell is still a wall, so it is reached.
    {"tiles",
     {"assets/tiles"},
     {"assets/tiles/doorTile.bmp"},
     "assets/tiles/doorTile.bmp",
     false,
     true},
    // Without pictures every box is empty, so the player touches neither coins nor door.
    {"sprites",
     {"assets/sprites"},
     {"assets/sprites/"},
     "assets/sprites/player/player_anim_run_1.bmp",
     false,
     false},
    {"player_frames",
     {"assets/sprites/player"},
     {"assets/sprites/player/"},
     "assets/sprites/player/player_anim_run_27.bmp",
     false,
     false},
    {"audio", {"assets/audio"}, {}, "", false, true},
    {"font", {"assets/DejaVuSans.ttf"}, {}, "", true, true},
    // No level file is an empty level: nothing to play, so it is left with Escape.
    {"levels", {"assets/levels"}, {}, "", false, false},
    {"best_times", {AssetTree::kBestTimesPath}, {}, "", false, true},
};

class MissingAssetsTest : public ::testing::TestWithParam<MissingCase> {
protected:
    testsupport::ScratchFolder folder;
};

TEST_P(MissingAssetsTest, GameRunsTheWholeTourPrintingOnlyExpectedMessages) {
    const MissingCase& c = GetParam();
    AssetTree::build(c.without);
    if (AssetTree::read("assets/levels/level2.txt").size() > 0) {
        AssetTree::replace("assets/levels/level1.txt", GameTour::kQuickLevel);
    }
    testing::internal::CaptureStdout();
    TourLog log;
    int bestTime = 0;
    {
        GameTour tour;
        log = tour.run();
        bestTime = tour.game().getBestTime(0);
    }
    const ConsoleReport report = ConsoleReport::of(testing::internal::GetCapturedStdout());

    EXPECT_TRUE(log.levelSelectShown);
    EXPECT_TRUE(log.levelStarted);
    EXPECT_EQ(log.endedByPlay, c.completesLevel);
    EXPECT_TRUE(log.endScreenShown);
    EXPECT_TRUE(log.escapeIgnoredOnEnd);
    EXPECT_TRUE(log.backAtLevelSelect);
    EXPECT_TRUE(log.secondLevelPlayed);
    EXPECT_TRUE(log.finished);
    EXPECT_GT(log.frames, 300);

    EXPECT_TRUE(report.unexpected.empty()) << report.unexpected.front();
    EXPECT_EQ(report.bitmaps.empty(), c.reportedUnder.empty());
    EXPECT_TRUE(report.bitmapsAllUnder(c.reportedUnder)) << report.bitmaps.front();
    if (!c.reportedUnder.empty()) {
        EXPECT_NE(std::find(report.bitmaps.begin(), report.bitmaps.end(), c.mustReport),
                  report.bitmaps.end());
    }
    EXPECT_EQ(report.fontFailures > 0, c.fontMessages);

    // A completed level files its time; the stored 12 (or no time at all) was worse.
    const std::string times = AssetTree::read(AssetTree::kBestTimesPath);
    if (c.completesLevel) {
        EXPECT_LT(bestTime, AssetTree::kStoredTime[0]);
        const std::string rest = c.without == std::vector<std::string>{AssetTree::kBestTimesPath}
                                     ? "\n99999\n99999"
                                     : "\n34\n56";
        EXPECT_EQ(times, std::to_string(bestTime) + rest);
    } else if (c.without != std::vector<std::string>{"assets"}) {
        EXPECT_EQ(times, AssetTree::kStoredTimes);
    }
}

std::string caseName(const ::testing::TestParamInfo<MissingCase>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, MissingAssetsTest, ::testing::ValuesIn(kMissingCases),
                         caseName);

}  // namespace
}  // namespace reliability
