// Damaged bitmaps, sounds and fonts: the game reports each bitmap it cannot use,
// says nothing about sounds, reports text it cannot draw, never allocates what
// a damaged header claims, and still runs its whole tour.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/reliability/game/GameTour.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/reliability/support/ConsoleReport.h"
#include "tests/reliability/support/MediaDamage.h"
#include "tests/reliability/support/ResidentMemory.h"
#include "tests/reliability/support/Sanitizers.h"
#include "tests/support/ScratchFolder.h"

namespace reliability {
namespace {

// A tour needs a few megabytes; a damaged header taken at its word costs
// gigabytes. Under AddressSanitizer every allocation also touches shadow memory
// of an eighth of its size, and SDL's WAV reader allocates what a data chunk
// claims (4 GB, untouched, for "data_claims_4g"), so the bound there is wider.
constexpr long kPeakGrowthBoundKb = kUnderAddressSanitizer ? 1024L * 1024 : 64L * 1024;

std::string damageName(const ::testing::TestParamInfo<Damage>& param) {
    return param.param.name;
}

// Damages every file under folder (or the one file) the same way.
void damageAll(const std::string& folderOrFile, const Damage& damage) {
    std::vector<std::string> files = AssetTree::filesUnder(folderOrFile);
    if (files.empty()) {
        files.push_back(folderOrFile);
    }
    for (const std::string& file : files) {
        AssetTree::replace(file, damage.apply(AssetTree::original(file)));
    }
}

// What a tour showed: how far it got, what it printed, how much the peak
// resident memory grew.
struct TourResult {
    TourLog log;
    ConsoleReport report;
    long peakGrowthKb = 0;
};

// Runs the tour over the quick level 1, checking that every step of it was
// reached, that nothing but the media messages was printed and that memory
// stayed within the bound.
TourResult tourWithQuickLevel() {
    AssetTree::replace("assets/levels/level1.txt", GameTour::kQuickLevel);
    TourResult result;
    const long peakBefore = ResidentMemory::peakKb();
    testing::internal::CaptureStdout();
    {
        GameTour tour;
        result.log = tour.run();
    }
    result.report = ConsoleReport::of(testing::internal::GetCapturedStdout());
    result.peakGrowthKb = ResidentMemory::peakKb() - peakBefore;
    const TourLog& log = result.log;
    EXPECT_TRUE(log.levelSelectShown && log.levelStarted && log.endScreenShown &&
                log.escapeIgnoredOnEnd && log.backAtLevelSelect && log.secondLevelPlayed &&
                log.finished);
    EXPECT_TRUE(result.report.unexpected.empty()) << result.report.unexpected.front();
    EXPECT_LT(result.peakGrowthKb, kPeakGrowthBoundKb);
    return result;
}

bool reported(const ConsoleReport& report, const std::string& path) {
    return std::find(report.bitmaps.begin(), report.bitmaps.end(), path) != report.bitmaps.end();
}

class DamagedSpritesTest : public ::testing::TestWithParam<Damage> {
protected:
    testsupport::ScratchFolder folder;
};

TEST_P(DamagedSpritesTest, EverySpriteIsReportedAndTheTourGoesOn) {
    AssetTree::build();
    damageAll("assets/sprites", GetParam());
    const TourResult result = tourWithQuickLevel();
    if (GetParam().stillLoads) {
        // The reader takes the damage in its stride; the pictures look wrong, that is all.
        EXPECT_TRUE(result.report.bitmaps.empty());
        EXPECT_TRUE(result.log.endedByPlay);
        return;
    }
    EXPECT_TRUE(result.report.bitmapsAllUnder({"assets/sprites/"}));
    for (const char* path :
         {"assets/sprites/menu/arrow.bmp", "assets/sprites/player/player_anim_run_1.bmp",
          "assets/sprites/player/player_anim_run_27.bmp", "assets/sprites/coin.bmp",
          "assets/sprites/healthBar.bmp"}) {
        EXPECT_TRUE(reported(result.report, path)) << path;
    }
    // Pictures that did not load leave empty boxes: no coin is touched, so no door.
    EXPECT_FALSE(result.log.endedByPlay);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DamagedSpritesTest, ::testing::ValuesIn(MediaDamage::bitmaps()),
                         damageName);

class DamagedTilesTest : public ::testing::TestWithParam<Damage> {
protected:
    testsupport::ScratchFolder folder;
};

TEST_P(DamagedTilesTest, TileMapsDrawNothingSilentlyAndTheDoorIsReported) {
    AssetTree::build();
    damageAll("assets/tiles", GetParam());
    const TourResult result = tourWithQuickLevel();
    // Only the door, a sprite, reports its picture; its cell is still a wall and reached.
    EXPECT_TRUE(result.report.bitmapsAllUnder({"assets/tiles/doorTile.bmp"}));
    EXPECT_EQ(reported(result.report, "assets/tiles/doorTile.bmp"), !GetParam().stillLoads);
    EXPECT_TRUE(result.log.endedByPlay);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DamagedTilesTest, ::testing::ValuesIn(MediaDamage::bitmaps()),
                         damageName);

class DamagedSoundsTest : public ::testing::TestWithParam<Damage> {
protected:
    testsupport::ScratchFolder folder;
};

TEST_P(DamagedSoundsTest, TheGamePlaysOnInSilenceSayingNothing) {
    AssetTree::build();
    damageAll("assets/audio", GetParam());
    const TourResult result = tourWithQuickLevel();
    EXPECT_TRUE(result.report.bitmaps.empty());
    EXPECT_EQ(result.report.fontFailures, 0);
    EXPECT_TRUE(result.log.endedByPlay);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DamagedSoundsTest, ::testing::ValuesIn(MediaDamage::sounds()),
                         damageName);

class DamagedFontTest : public ::testing::TestWithParam<Damage> {
protected:
    testsupport::ScratchFolder folder;
};

TEST_P(DamagedFontTest, TextThatCannotBeDrawnIsReportedAndNothingElse) {
    AssetTree::build();
    damageAll("assets/DejaVuSans.ttf", GetParam());
    const TourResult result = tourWithQuickLevel();
    EXPECT_TRUE(result.report.bitmaps.empty());
    EXPECT_EQ(result.report.fontFailures > 0, !GetParam().stillLoads);
    EXPECT_TRUE(result.log.endedByPlay);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DamagedFontTest, ::testing::ValuesIn(MediaDamage::fonts()),
                         damageName);

}  // namespace
}  // namespace reliability
