// Hostile level files through the editor: any file with a row starts the
// editor with exactly its lines, and edits and saves keep every row as it was;
// an empty file stops the start with one line and is never rewritten.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/EditorInput.h"
#include "editor/LevelEditor.h"
#include "tests/reliability/editor/EditingSession.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/reliability/support/LevelFamilies.h"
#include "tests/support/ScratchFolder.h"

namespace reliability {
namespace {

constexpr const char* kLevel = EditingSession::kLevel;
const std::string kEmptyMessage =
    "Assets/level.txt is empty. The editor needs a level file with at least one row; nothing "
    "was changed.\n";

// The rows after two clicks on the cell at column 1, row 1 with 'G' selected: an
// empty cell gets 'G' and loses it again; any other cell is emptied, then gets 'G'.
std::vector<std::string> afterTwoClicks(std::vector<std::string> rows) {
    if (rows.size() > 1 && rows[1].size() > 1 && rows[1][1] != '.') {
        rows[1][1] = 'G';
    }
    return rows;
}

std::string familyName(const ::testing::TestParamInfo<LevelFamily>& param) {
    return param.param.name;
}

class BadEditorFilesTest : public ::testing::TestWithParam<LevelFamily> {
protected:
    testsupport::ScratchFolder folder;
};

TEST_P(BadEditorFilesTest, StartsWithTheLinesAndSavesThemOrRefusesAnEmptyFile) {
    const std::string bytes = GetParam().make();
    AssetTree::build();
    AssetTree::replace(kLevel, bytes);
    const std::vector<std::string> rows = LevelFamilies::rowsOf(bytes);
    testing::internal::CaptureStdout();
    const EditingSession session = EditingSession::run();
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(session.ready, !rows.empty());
    if (rows.empty()) {
        EXPECT_EQ(output, kEmptyMessage);
        EXPECT_EQ(AssetTree::read(kLevel), bytes);
        return;
    }
    EXPECT_EQ(output, "");
    EXPECT_TRUE(session.rowsAtStart == rows);
    EXPECT_TRUE(session.rowsAtEnd == afterTwoClicks(rows));
    // Every row comes back, each ending in a line feed; CR LF ends become LF.
    EXPECT_TRUE(AssetTree::read(kLevel) == LevelFamilies::joined(afterTwoClicks(rows)));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadEditorFilesTest, ::testing::ValuesIn(LevelFamilies::all()),
                         familyName);

TEST(BadEditorFileTest, AClickOnANewCellIsSavedAndNothingElseChanges) {
    testsupport::ScratchFolder folder;
    AssetTree::build();
    const std::string level = "G..\r\n....................\n";
    AssetTree::replace(kLevel, level);
    {
        EditorInput input;
        LevelEditor editor(input);
        ASSERT_TRUE(editor.isReady());
        EditingSession::pushButton(true, 40, 40);  // row 1, column 1
        editor.runLoopPass();
        EditingSession::pushButton(false, 40, 40);
        EditingSession::pushButton(true, 100, 5);  // row 0, column 3: past the end of a short row
        editor.runLoopPass();
        EditingSession::pushButton(false, 100, 5);
        editor.runLoopPass();
    }
    SDL_Quit();
    EXPECT_EQ(AssetTree::read(kLevel), "G..\n.G..................\n");
}

}  // namespace
}  // namespace reliability
