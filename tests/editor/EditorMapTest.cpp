#include <gtest/gtest.h>

#include <chrono>

#include "editor/EditorLevelFile.h"
#include "editor/EditorMap.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/ScratchFolder.h"

using editortest::makeAssetFolder;
using editortest::writeBitmap;
using testsupport::HeadlessWindow;
using testsupport::sameRgb;
using testsupport::ScratchFolder;

namespace {

const char* const kLevel = "Assets/level.txt";

std::vector<std::string> rowsOf(const EditorMap& map) {
    std::vector<std::string> rows;
    for (int i = 0; i < map.rowCount(); ++i) {
        rows.push_back(map.rowText(i));
    }
    return rows;
}

TEST(LevelFileRows, SplitLikeALineByLineRead) {
    using Rows = std::vector<std::string>;
    EXPECT_EQ(EditorLevelFile::splitRows(""), Rows{});
    EXPECT_EQ(EditorLevelFile::splitRows("\n"), Rows{""});
    EXPECT_EQ(EditorLevelFile::splitRows("ab\ncd\n"), (Rows{"ab", "cd"}));
    EXPECT_EQ(EditorLevelFile::splitRows("ab\ncd"), (Rows{"ab", "cd"}));
    EXPECT_EQ(EditorLevelFile::splitRows("ab\r\ncd\r\n"), (Rows{"ab", "cd"}));
    EXPECT_EQ(EditorLevelFile::splitRows("ab\n\ncd\n"), (Rows{"ab", "", "cd"}));
    EXPECT_EQ(EditorLevelFile::splitRows("\r\n\r\n"), (Rows{"", ""}));
    // Only a CR right before an LF belongs to the line end.
    EXPECT_EQ(EditorLevelFile::splitRows("a\rb\r\r\nc\r"), (Rows{"a\rb\r", "c\r"}));
    EXPECT_EQ(EditorLevelFile::splitRows(std::string("x\0y\n", 4)), Rows{std::string("x\0y", 3)});
}

class EditorMapTest : public ::testing::Test {
protected:
    ScratchFolder folder;
};

TEST_F(EditorMapTest, ClickPlacesOnEmptyCellsAndClearsAnythingElse) {
    makeAssetFolder("..GB#g\n......\n");
    EditorMap map(nullptr, kLevel);
    ASSERT_TRUE(map.isLoaded());
    map.toggleCell(5, 5, 'G');        // '.' -> G
    map.toggleCell(32 + 31, 0, 'P');  // '.' -> P
    map.toggleCell(64, 31, 'P');      // G -> .
    map.toggleCell(96, 0, 'P');       // B -> .
    map.toggleCell(128, 0, 'P');      // unknown '#' -> .
    map.toggleCell(160, 0, 'P');      // lowercase g is not empty either -> .
    map.toggleCell(0, 32, 'B');       // B can be placed
    EXPECT_EQ(map.rowText(0), "GP....");
    EXPECT_EQ(map.rowText(1), "B.....");
    map.toggleCell(0, 0, 'M');
    map.toggleCell(0, 0, 'M');
    EXPECT_EQ(map.rowText(0), "MP....");
}

TEST_F(EditorMapTest, ClicksOutsideTheGridChangeNothing) {
    makeAssetFolder("....................\n\n.....\n");
    EditorMap map(nullptr, kLevel);
    const std::vector<std::string> before = rowsOf(map);
    map.toggleCell(10, 3 * 32, 'G');  // below the last row
    map.toggleCell(10, 14 * 32 + 5, 'G');
    map.toggleCell(10, 32 + 3, 'G');  // the empty middle row
    map.toggleCell(5 * 32, 64, 'G');  // just past the short row's end
    map.toggleCell(639, 64, 'G');
    map.toggleCell(-1, 0, 'G');  // left of and above the window
    map.toggleCell(0, -1, 'G');
    EXPECT_EQ(rowsOf(map), before);
    map.toggleCell(4 * 32, 64, 'G');  // the short row's last cell still works
    EXPECT_EQ(map.rowText(2), "....G");
}

TEST_F(EditorMapTest, CameraFollowsTheFocusRuleAndClicksFollowTheCamera) {
    makeAssetFolder(editortest::levelText(60, 3));
    EditorMap map(nullptr, kLevel);
    map.updateCamera(320);
    EXPECT_EQ(map.getCameraX(), 0);
    map.updateCamera(384);
    EXPECT_EQ(map.getCameraX(), 96);
    map.toggleCell(0, 0, 'G');  // window column 0 is level column 3
    EXPECT_EQ(map.rowText(0).find('G'), 3u);
    map.updateCamera(1568);  // last focus inside: 1920 - 320
    EXPECT_EQ(map.getCameraX(), 1280);
    map.updateCamera(1600);  // beyond the right end: the view stays
    EXPECT_EQ(map.getCameraX(), 1280);
    map.updateCamera(-320);  // left of the start: back to the left edge
    EXPECT_EQ(map.getCameraX(), 0);
}

TEST_F(EditorMapTest, NarrowOrEmptyFirstRowKeepsTheCameraAtTheLeft) {
    makeAssetFolder("....\n" + editortest::levelText(60, 2));
    EditorMap narrow(nullptr, kLevel);
    for (int focus : {0, 352, 640, 100000}) {
        narrow.updateCamera(focus);
        EXPECT_EQ(narrow.getCameraX(), 0) << focus;
    }
    folder.writeFile(kLevel, "\n" + editortest::levelText(60, 2));
    EditorMap empty(nullptr, kLevel);
    ASSERT_TRUE(empty.isLoaded());
    empty.updateCamera(1000);
    EXPECT_EQ(empty.getCameraX(), 0);
    EXPECT_EQ(empty.rowLength(0), 0);
}

// One distinct colour per drawable code, in the order the cells are laid out.
struct CodeColour {
    char code;
    const char* bitmap;
    Uint8 r, g, b;
};
const CodeColour kCodeColours[] = {
    {'G', "assets/tiles/groundTile.bmp", 200, 0, 0},
    {'M', "assets/tiles/blackTile.bmp", 0, 200, 0},
    {'P', "assets/tiles/platformTile.bmp", 0, 0, 200},
    {'U', "assets/tiles/doorTile.bmp", 200, 200, 0},
    {'E', "assets/sprites/player.bmp", 200, 0, 200},
    {'I', "assets/sprites/birdEnemy.bmp", 0, 200, 200},
    {'D', "assets/sprites/dumbEnemy.bmp", 100, 50, 0},
    {'C', "assets/sprites/coin.bmp", 50, 100, 0},
    {'H', "assets/sprites/healthPack.bmp", 0, 50, 100},
    // Magenta would be see-through with a colour key; editor bitmaps have none.
    {'A', "assets/sprites/attackCharge.bmp", 255, 0, 255},
};

class EditorMapDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        for (const CodeColour& c : kCodeColours) {
            writeBitmap(c.bitmap, c.r, c.g, c.b);
        }
    }
    // Colour of the middle of the cell at window column, row.
    SDL_Color cellColour(int column, int row) const {
        return window.pixel(column * 32 + 16, row * 32 + 16);
    }

    ScratchFolder folder;
    HeadlessWindow window;
};

TEST_F(EditorMapDrawing, EachCodeDrawsItsOwnBitmapAndOthersDrawNothing) {
    makeAssetFolder("GMPUEIDCHA.B#g\n");
    EditorMap map(window.renderer(), kLevel);
    window.clear(255, 255, 255);
    map.render();
    for (int j = 0; j < 10; ++j) {
        const CodeColour& c = kCodeColours[j];
        EXPECT_TRUE(sameRgb(cellColour(j, 0), c.r, c.g, c.b)) << c.code;
        EXPECT_TRUE(sameRgb(window.pixel(j * 32, 0), c.r, c.g, c.b)) << c.code;
        EXPECT_TRUE(sameRgb(window.pixel(j * 32 + 31, 31), c.r, c.g, c.b)) << c.code;
    }
    for (int j = 10; j < 20; ++j) {
        EXPECT_TRUE(sameRgb(cellColour(j, 0), 255, 255, 255)) << j;
    }
}

TEST_F(EditorMapDrawing, ShortRowsDrawAsEmptyAndTheCameraShiftsColumns) {
    makeAssetFolder(std::string(60, 'G') + "\nGG\n\n" + std::string(25, '.') + "P\n");
    EditorMap map(window.renderer(), kLevel);
    window.clear(255, 255, 255);
    map.render();
    EXPECT_TRUE(sameRgb(cellColour(19, 0), 200, 0, 0));
    EXPECT_TRUE(sameRgb(cellColour(1, 1), 200, 0, 0));
    EXPECT_TRUE(sameRgb(cellColour(2, 1), 255, 255, 255));
    EXPECT_EQ(window.countPixels({0, 64, 640, 32}, 255, 255, 255), 640 * 32);
    map.updateCamera(384);  // cameraX 96: level columns 3 to 22 are in view, not 25
    window.clear(255, 255, 255);
    map.render();
    EXPECT_EQ(window.countPixels({0, 96, 640, 32}, 255, 255, 255), 640 * 32);
    map.updateCamera(800);  // cameraX 512: column 25 is window column 9
    window.clear(255, 255, 255);
    map.render();
    EXPECT_TRUE(sameRgb(cellColour(9, 3), 0, 0, 200));
    EXPECT_TRUE(sameRgb(cellColour(0, 1), 255, 255, 255));
}

TEST_F(EditorMapDrawing, MissingBitmapsDrawNothing) {
    std::remove("assets/tiles/groundTile.bmp");
    makeAssetFolder("GP\n");
    EditorMap map(window.renderer(), kLevel);
    window.clear(255, 255, 255);
    map.render();
    EXPECT_TRUE(sameRgb(cellColour(0, 0), 255, 255, 255));
    EXPECT_TRUE(sameRgb(cellColour(1, 0), 0, 0, 200));
}

TEST_F(EditorMapDrawing, HugeFilesLoadDrawAndSaveQuickly) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    makeAssetFolder(std::string(10 * 1024 * 1024, 'G') + "\n");
    {
        EditorMap wide(window.renderer(), kLevel);
        ASSERT_EQ(wide.rowLength(0), 10 * 1024 * 1024);
        for (int frame = 0; frame < 30; ++frame) {
            wide.updateCamera(frame * 3200);
            wide.render();
        }
        wide.toggleCell(0, 0, 'G');
        ASSERT_TRUE(wide.save());
    }
    folder.writeFile(kLevel, editortest::levelText(60, 100000, 'G'));
    {
        EditorMap tall(window.renderer(), kLevel);
        ASSERT_EQ(tall.rowCount(), 100000);
        for (int frame = 0; frame < 30; ++frame) {
            tall.render();
        }
        tall.toggleCell(0, 0, 'G');
        ASSERT_TRUE(tall.save());
    }
    EXPECT_EQ(folder.readFile(kLevel).size(), 61u * 100000u);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
