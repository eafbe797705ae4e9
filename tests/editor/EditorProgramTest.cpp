#include <gtest/gtest.h>

#include <filesystem>

#include "editor/EditorMap.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/ScratchFolder.h"

using editortest::ChildResult;
using editortest::runEditorProgram;
using testsupport::ScratchFolder;

namespace fs = std::filesystem;

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(EditorProgram, RefusesToStartWithoutALevelFileAndCreatesNone) {
    ScratchFolder folder;
    editortest::makeAssetFolder("");
    fs::remove("assets/level.txt");
    const ChildResult missing = runEditorProgram(folder.path(), {});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(contains(missing.output, "Could not read Assets/level.txt")) << missing.output;
    EXPECT_FALSE(fs::exists("assets/level.txt"));

    folder.writeFile("assets/level.txt", "");
    const ChildResult empty = runEditorProgram(folder.path(), {});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(contains(empty.output, "Assets/level.txt is empty")) << empty.output;
    EXPECT_EQ(fs::file_size("assets/level.txt"), 0u);
}

TEST(EditorProgram, WindowFailureWaitsForACharacterAndEndsWithoutSaving) {
    ScratchFolder folder;
    editortest::makeAssetFolder("G.\r\n");
    const ChildResult run = runEditorProgram(folder.path(), {"SDL_VIDEODRIVER=no-such-driver"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output.rfind("WINDOW initialisation failed: ", 0), 0u) << run.output;
    EXPECT_TRUE(contains(run.output, "\nPress any key to continue\n")) << run.output;
    // Without a map nothing is saved: the CR LF file is untouched.
    EXPECT_EQ(folder.readFile("assets/level.txt"), "G.\r\n");
}

// The shipped working file and the ten bitmaps that the editor draws.
TEST(EditorShippedAssets, LevelFileOpensWithEveryCellBitmap) {
    ASSERT_TRUE(fs::exists("Assets/level.txt")) << "run from the repository root";
    testsupport::HeadlessWindow window;
    EditorMap map(window.renderer(), "Assets/level.txt");
    ASSERT_TRUE(map.isLoaded());
    EXPECT_EQ(map.rowCount(), 15);
    for (int i = 0; i < map.rowCount(); ++i) {
        EXPECT_EQ(map.rowLength(i), 60) << "row " << i;
    }
    for (const char* bitmap :
         {"assets/tiles/groundTile.bmp", "assets/tiles/blackTile.bmp",
          "assets/tiles/platformTile.bmp", "assets/tiles/doorTile.bmp", "Assets/sprites/player.bmp",
          "Assets/sprites/birdEnemy.bmp", "Assets/sprites/dumbEnemy.bmp", "Assets/sprites/coin.bmp",
          "Assets/sprites/healthPack.bmp", "Assets/sprites/attackCharge.bmp"}) {
        SDL_Surface* surface = SDL_LoadBMP(bitmap);
        EXPECT_NE(surface, nullptr) << bitmap << ": " << SDL_GetError();
        SDL_FreeSurface(surface);
    }
}

}  // namespace
