// Damaged cell bitmaps: the editor starts, draws those cells as nothing, says
// nothing, never allocates what a damaged header claims, and edits and saves
// its level as usual.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/EditorInput.h"
#include "editor/LevelEditor.h"
#include "tests/reliability/editor/EditingSession.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/reliability/support/MediaDamage.h"
#include "tests/reliability/support/ResidentMemory.h"
#include "tests/reliability/support/Sanitizers.h"
#include "tests/support/ScratchFolder.h"

namespace reliability {
namespace {

// The editor needs a few megabytes (more under AddressSanitizer, whose shadow
// memory grows with every allocation); a damaged header taken at its word costs
// gigabytes.
constexpr long kPeakGrowthBoundKb = kUnderAddressSanitizer ? 1024L * 1024 : 64L * 1024;
constexpr int kPasses = 5;
// The ten bitmaps the editor draws cells with.
const std::vector<std::string> kCellBitmaps = {
    "assets/tiles/groundTile.bmp",   "assets/tiles/blackTile.bmp",
    "assets/tiles/platformTile.bmp", "assets/tiles/doorTile.bmp",
    "assets/sprites/player.bmp",     "assets/sprites/birdEnemy.bmp",
    "assets/sprites/dumbEnemy.bmp",  "assets/sprites/coin.bmp",
    "assets/sprites/healthPack.bmp", "assets/sprites/attackCharge.bmp",
};

std::string damageName(const ::testing::TestParamInfo<Damage>& param) {
    return param.param.name;
}

class DamagedBitmapsEditorTest : public ::testing::TestWithParam<Damage> {
protected:
    testsupport::ScratchFolder folder;
};

TEST_P(DamagedBitmapsEditorTest, EditorStartsEditsAndSavesSayingNothing) {
    AssetTree::build();
    for (const std::string& bitmap : kCellBitmaps) {
        AssetTree::replace(bitmap, GetParam().apply(AssetTree::original(bitmap)));
    }
    // Two rows of twenty empty cells; a click on the first places a ground cell.
    AssetTree::replace("assets/level.txt", std::string(20, '.') + "\n" + std::string(20, '.'));
    const long peakBefore = ResidentMemory::peakKb();
    testing::internal::CaptureStdout();
    bool ready = false;
    {
        EditorInput input;
        LevelEditor editor(input);
        ready = editor.isReady();
        // Pressed and released in one pass a click would be lost; the release comes later.
        EditingSession::pushButton(true, 5, 5);
        for (int pass = 0; ready && pass < kPasses; ++pass) {
            editor.runLoopPass();
            EditingSession::pushButton(false, 5, 5);
        }
    }
    SDL_Quit();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(ready);
    EXPECT_LT(ResidentMemory::peakKb() - peakBefore, kPeakGrowthBoundKb);
    EXPECT_EQ(AssetTree::read("assets/level.txt"),
              "G" + std::string(19, '.') + "\n" + std::string(20, '.') + "\n");
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DamagedBitmapsEditorTest,
                         ::testing::ValuesIn(MediaDamage::bitmaps()), damageName);

}  // namespace
}  // namespace reliability
