// The asset folder, or one kind of asset, missing: the editor starts and keeps
// its level as it was, or refuses to start with its message when its level
// file is what is missing, and then creates none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/EditorInput.h"
#include "editor/LevelEditor.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/support/ScratchFolder.h"

namespace reliability {
namespace {

constexpr int kPasses = 10;
const char* const kNoLevelMessage =
    "Could not read Assets/level.txt: No such file or directory. The editor needs a readable "
    "level file; nothing was changed.\n";

// What the editor does when one part of the assets is missing.
struct MissingCase {
    const char* name;
    std::vector<std::string> without;
    bool starts;
};

void PrintTo(const MissingCase& c, std::ostream* out) {
    *out << c.name;
}

const MissingCase kMissingCases[] = {
    {"nothing", {}, true},
    {"asset_folder", {"assets"}, false},
    {"level_file", {"assets/level.txt"}, false},
    {"tiles", {"assets/tiles"}, true},
    {"sprites", {"assets/sprites"}, true},
    {"audio", {"assets/audio"}, true},
    {"font", {"assets/DejaVuSans.ttf"}, true},
    {"levels", {"assets/levels"}, true},
};

class MissingAssetsEditorTest : public ::testing::TestWithParam<MissingCase> {
protected:
    testsupport::ScratchFolder folder;
};

TEST_P(MissingAssetsEditorTest, StartsSilentlyOrRefusesWithItsMessage) {
    const MissingCase& c = GetParam();
    AssetTree::build(c.without);
    const std::string level = AssetTree::read(AssetTree::kEditorLevelPath);
    testing::internal::CaptureStdout();
    bool ready = false;
    {
        EditorInput input;
        LevelEditor editor(input);
        ready = editor.isReady();
        for (int pass = 0; ready && pass < kPasses; ++pass) {
            editor.runLoopPass();
        }
    }
    SDL_Quit();
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(ready, c.starts);
    if (c.starts) {
        // Missing bitmaps draw nothing and say nothing; the unedited level is saved as it was.
        EXPECT_EQ(output, "");
        EXPECT_FALSE(level.empty());
        EXPECT_EQ(AssetTree::read(AssetTree::kEditorLevelPath), level);
    } else {
        EXPECT_EQ(output, kNoLevelMessage);
        EXPECT_EQ(AssetTree::read(AssetTree::kEditorLevelPath), "");
        EXPECT_TRUE(AssetTree::filesUnder("assets").empty() ||
                    AssetTree::read("assets/level.txt").empty());
    }
}

std::string caseName(const ::testing::TestParamInfo<MissingCase>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, MissingAssetsEditorTest, ::testing::ValuesIn(kMissingCases),
                         caseName);

}  // namespace
}  // namespace reliability
