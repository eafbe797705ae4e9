// Hostile level files through the editor: any file with a row starts the
// editor with exactly its lines, and edits and saves keep every row as it was;
// an empty, unreadable or irregular file stops the start with one line and is
// never rewritten; a save that cannot complete (read-only file or folder, full
// disk) prints one line per attempt and leaves the previous file intact.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editor/EditorInput.h"
#include "editor/LevelEditor.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/reliability/support/ForkedChild.h"
#include "tests/reliability/support/LevelFamilies.h"
#include "tests/support/KeyEvents.h"
#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace reliability {
namespace {

constexpr const char* kLevel = "assets/level.txt";
constexpr int kScrollPresses = 12;
const std::string kEmptyMessage =
    "Assets/level.txt is empty. The editor needs a level file with at least one row; nothing "
    "was changed.\n";
const std::string kNotRegularMessage =
    "Could not read Assets/level.txt: not a regular file. The editor needs a readable level "
    "file; nothing was changed.\n";

void pushButton(bool down, int x, int y) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

// One pass with a key held down, then one with it released.
void tap(LevelEditor& editor, SDL_Keycode key) {
    testsupport::pushKey(key, true);
    editor.runLoopPass();
    testsupport::pushKey(key, false);
    editor.runLoopPass();
}

// What an editing session saw.
struct Session {
    bool ready = false;
    std::vector<std::string> rowsAtStart;
    std::vector<std::string> rowsAtEnd;
};

// Starts the editor on the working folder's level; when it is ready, clicks the
// same cell twice, scrolls right and back, saves with Left
// Ctrl + S and quits with Escape, saving again on the way out.
Session editSession() {
    Session session;
    {
        EditorInput input;
        LevelEditor editor(input);
        session.ready = editor.isReady();
        if (session.ready) {
            const EditorMap& map = *editor.getMap();
            for (int i = 0; i < map.rowCount(); ++i) {
                session.rowsAtStart.push_back(map.rowText(i));
            }
            for (int click = 0; click < 2; ++click) {
                pushButton(true, 40, 40);
                editor.runLoopPass();
                pushButton(false, 40, 40);
                editor.runLoopPass();
            }
            for (int i = 0; i < kScrollPresses; ++i) {
                tap(editor, SDLK_RIGHT);
            }
            for (int i = 0; i < kScrollPresses; ++i) {
                tap(editor, SDLK_LEFT);
            }
            testsupport::pushKey(SDLK_LCTRL, true);
            tap(editor, SDLK_s);
            testsupport::pushKey(SDLK_LCTRL, false);
            testsupport::pushKey(SDLK_ESCAPE, true);
            editor.runLoopPass();
            EXPECT_FALSE(editor.runLoopPass());
            for (int i = 0; i < map.rowCount(); ++i) {
                session.rowsAtEnd.push_back(map.rowText(i));
            }
        }
    }
    SDL_Quit();
    return session;
}

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
    const Session session = editSession();
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
        pushButton(true, 40, 40);  // row 1, column 1
        editor.runLoopPass();
        pushButton(false, 40, 40);
        pushButton(true, 100, 5);  // row 0, column 3: past the end of a short row
        editor.runLoopPass();
        pushButton(false, 100, 5);
        editor.runLoopPass();
    }
    SDL_Quit();
    EXPECT_EQ(AssetTree::read(kLevel), "G..\n.G..................\n");
}

// Files the editor cannot use, and saves it cannot make.
class UnusableEditorFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        AssetTree::build();
        AssetTree::replace(kLevel, kRows);
        // A child running as another user must reach the folder.
        fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_read |
                                           fs::perms::group_exec | fs::perms::others_read |
                                           fs::perms::others_exec);
    }
    // In a child restricted by limits: one editing session; answers 0 when the
    // editor was ready, 1 when it refused to start.
    static ChildOutcome sessionInChild(const ChildLimits& limits) {
        return ForkedChild::run([] { return editSession().ready ? 0 : 1; }, limits);
    }
    static void expectUntouched(const std::string& contents) {
        EXPECT_EQ(AssetTree::read(kLevel), contents);
        for (const std::string& file : AssetTree::filesUnder("assets")) {
            EXPECT_EQ(file.rfind("assets/level.txt.", 0), std::string::npos) << file;
        }
    }
    static std::string saveFailures(const std::string& reason) {
        const std::string line = "Could not save Assets/level.txt: " + reason + "\n";
        return line + line;  // Left Ctrl + S, then the save on the way out
    }
    // Fifteen rows of sixty cells: larger than the file size limit below.
    const std::string kRows = std::string(15 * 61, '.');
    static constexpr long long kFileSizeLimit = 100;
    testsupport::ScratchFolder folder;
};

TEST_F(UnusableEditorFileTest, AReadOnlyFileIsEditedButNeverReplaced) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as another user";
    }
    fs::permissions("assets", fs::perms::all);
    fs::permissions(kLevel, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const ChildOutcome outcome = sessionInChild({true, -1});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output, saveFailures("Permission denied"));
    expectUntouched(kRows);
}

TEST_F(UnusableEditorFileTest, AReadOnlyFolderKeepsTheFile) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as another user";
    }
    fs::permissions(kLevel, fs::perms::all);
    const ChildOutcome outcome = sessionInChild({true, -1});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output, saveFailures("Permission denied"));
    expectUntouched(kRows);
}

TEST_F(UnusableEditorFileTest, AFullDiskKeepsTheFile) {
    const ChildOutcome outcome = sessionInChild({false, kFileSizeLimit});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output, saveFailures("File too large"));
    expectUntouched(kRows);
}

TEST_F(UnusableEditorFileTest, AnUnreadableFileStopsTheStartAndIsKept) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the editor as another user";
    }
    fs::permissions(kLevel, fs::perms::owner_read | fs::perms::owner_write);
    const ChildOutcome outcome = sessionInChild({true, -1});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output,
              "Could not read Assets/level.txt: Permission denied. The editor needs a readable "
              "level file; nothing was changed.\n");
    expectUntouched(kRows);
}

TEST_F(UnusableEditorFileTest, AFolderInPlaceOfTheFileStopsTheStart) {
    fs::remove(kLevel);
    fs::create_directories(std::string(kLevel) + "/kept");
    const ChildOutcome outcome = sessionInChild({});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output, kNotRegularMessage);
    EXPECT_TRUE(fs::is_directory(std::string(kLevel) + "/kept"));
}

TEST_F(UnusableEditorFileTest, ANamedPipeInPlaceOfTheFileStopsTheStartWithoutWaiting) {
    fs::remove(kLevel);
    ASSERT_EQ(mkfifo(kLevel, S_IRUSR | S_IWUSR), 0);
    const ChildOutcome outcome = sessionInChild({});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output, kNotRegularMessage);
    EXPECT_TRUE(fs::is_fifo(kLevel));
}

}  // namespace
}  // namespace reliability
