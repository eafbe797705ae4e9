#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "game/world/TileMap.h"
#include "tests/game/world/TileMapFixture.h"

using worldtest::kBackground;
using worldtest::kBlackColour;
using worldtest::kGroundColour;
using worldtest::kPlatformColour;
using Rows = std::vector<std::string>;

namespace {

// A map without a window: queries and path-finding need no renderer.
struct BareMap {
    explicit BareMap(const Rows& rows, std::uint8_t tileWidth = 32, std::uint8_t tileHeight = 32)
        : map(nullptr, "", tileWidth, tileHeight) {
        map.loadRows(rows);
    }
    TileMap map;
};

TEST(TileMapQueryTest, WallsArePlatformsAreNotAndCellsTruncateTowardZero) {
    BareMap bare({"GUPM", "EgB.", "", "GG"});
    const TileMap& map = bare.map;
    EXPECT_TRUE(map.isWall(0, 0));
    EXPECT_TRUE(map.isWall(32, 0));
    EXPECT_FALSE(map.isWall(64, 0));
    EXPECT_TRUE(map.isPlatform(64, 0));
    EXPECT_FALSE(map.isPlatform(0, 0));
    EXPECT_FALSE(map.isWall(96, 31));
    EXPECT_FALSE(map.isWall(128, 0));
    // -31..31 is column 0; only -32 and below leave the grid.
    EXPECT_TRUE(map.isWall(-1, 0));
    EXPECT_TRUE(map.isWall(-31, -31));
    EXPECT_FALSE(map.isWall(-32, 0));
    EXPECT_FALSE(map.isWall(0, -32));
    // Entity codes, lowercase and other bytes are empty.
    for (int x = 0; x < 128; x += 32) {
        EXPECT_FALSE(map.isWall(x, 32));
        EXPECT_FALSE(map.isPlatform(x, 32));
    }
    // An empty middle row holds nothing; rows end at their own length.
    EXPECT_FALSE(map.isWall(0, 64));
    EXPECT_TRUE(map.isWall(63, 127));
    EXPECT_FALSE(map.isWall(64, 96));
    EXPECT_FALSE(map.isPlatform(64, 96));
    EXPECT_FALSE(map.isWall(0, 128));
    EXPECT_FALSE(map.isPlatform(64, 128));
    EXPECT_FALSE(map.isWall(INT_MAX, INT_MAX));
    EXPECT_FALSE(map.isPlatform(INT_MIN, INT_MIN));
}

TEST(TileMapQueryTest, RowsAndCellsFollowTheTileSize) {
    BareMap bare({"..G", "P"}, 16, 8);
    EXPECT_TRUE(bare.map.isWall(32, 7));
    EXPECT_FALSE(bare.map.isWall(31, 7));
    EXPECT_FALSE(bare.map.isWall(32, 8));
    EXPECT_TRUE(bare.map.isPlatform(15, 8));
    EXPECT_TRUE(bare.map.isSameRow(0, 7));
    EXPECT_FALSE(bare.map.isSameRow(7, 8));

    BareMap standard({"."});
    EXPECT_TRUE(standard.map.isSameRow(31, 0));
    EXPECT_FALSE(standard.map.isSameRow(32, 31));
    EXPECT_TRUE(standard.map.isSameRow(-31, 31));
    EXPECT_FALSE(standard.map.isSameRow(-32, 0));
}

TEST(TileMapQueryTest, SizesRowsAndNodes) {
    BareMap bare({"G..", ".P", "...."});
    TileMap& map = bare.map;
    EXPECT_EQ(map.rowCount(), 3);
    EXPECT_EQ(map.rowLength(1), 2);
    EXPECT_EQ(map.rowLength(3), 0);
    EXPECT_EQ(map.mapWidth(), 3);
    EXPECT_EQ(map.getRows(), (Rows{"G..", ".P", "...."}));

    ASSERT_NE(map.nodeAt(2, 2), nullptr);
    EXPECT_EQ(map.nodeAt(2, 2)->x, 64);
    EXPECT_EQ(map.nodeAt(2, 2)->y, 64);
    EXPECT_TRUE(map.nodeAt(0, 0)->solid);
    EXPECT_EQ(map.nodeAt(0, 0)->cost, 0);
    EXPECT_TRUE(map.nodeAt(1, 1)->solid);
    EXPECT_FALSE(map.nodeAt(1, 0)->solid);
    EXPECT_EQ(map.nodeAt(1, 0)->cost, 100);
    // A cell missing from a short row is an open node; one past row 0's width is none.
    ASSERT_NE(map.nodeAt(2, 1), nullptr);
    EXPECT_FALSE(map.nodeAt(2, 1)->solid);
    EXPECT_EQ(map.nodeAt(3, 2), nullptr);
    EXPECT_EQ(map.nodeAt(3, 0), nullptr);
    EXPECT_EQ(map.nodeAt(0, 3), nullptr);
    EXPECT_EQ(map.nodeAt(-1, 0), nullptr);
    EXPECT_EQ(map.nodeAt(0, -1), nullptr);

    BareMap empty({});
    EXPECT_EQ(empty.map.rowCount(), 0);
    EXPECT_EQ(empty.map.mapWidth(), 0);
    EXPECT_EQ(empty.map.nodeAt(0, 0), nullptr);
    EXPECT_FALSE(empty.map.isWall(0, 0));
}

TEST(TileMapCameraTest, FollowsThePlayerAndStopsNearTheRightEnd) {
    BareMap bare({std::string(100, '.')});
    TileMap& map = bare.map;
    EXPECT_EQ(map.getCameraX(), 0);
    map.updateCamera(321, 0);
    EXPECT_EQ(map.getCameraX(), 1);
    map.updateCamera(320, 0);
    EXPECT_EQ(map.getCameraX(), 0);
    map.updateCamera(2879, 0);
    EXPECT_EQ(map.getCameraX(), 2559);
    map.updateCamera(2880, 0);
    EXPECT_EQ(map.getCameraX(), 2559);
    map.updateCamera(3100, 0);
    EXPECT_EQ(map.getCameraX(), 2559);
    map.updateCamera(INT_MAX, INT_MIN);
    EXPECT_EQ(map.getCameraX(), 2559);
    map.updateCamera(INT_MIN, 0);
    EXPECT_EQ(map.getCameraX(), 0);
}

TEST(TileMapCameraTest, NarrowMapsNeverScrollAndRowZeroSetsTheWidth) {
    BareMap narrow({std::string(20, 'G')});
    for (int x : {0, 321, 400, 639, 5000}) {
        narrow.map.updateCamera(x, 0);
        EXPECT_EQ(narrow.map.getCameraX(), 0) << x;
    }
    BareMap ragged({"....", std::string(100, '.')});
    ragged.map.updateCamera(1000, 0);
    EXPECT_EQ(ragged.map.getCameraX(), 0);
}

class TileMapDrawTest : public worldtest::TileMapFixture {};

TEST_F(TileMapDrawTest, DrawsVisibleColumnsStretchedAndShiftedByTheCamera) {
    // 30 columns; row 1 is short; 'U' and entities draw nothing.
    Rows rows{"GM" + std::string(18, '.') + "P" + std::string(9, '.'), "PU", "", "EDICHA.Bg"};
    auto map = makeMap(rows);
    window.clear(kBackground.r, kBackground.g, kBackground.b);
    map->render();
    EXPECT_TRUE(pixelIs(0, 0, kGroundColour));
    EXPECT_TRUE(pixelIs(31, 31, kGroundColour));
    EXPECT_TRUE(pixelIs(32, 0, kBlackColour));
    EXPECT_TRUE(pixelIs(64, 0, kBackground));
    EXPECT_TRUE(pixelIs(0, 32, kPlatformColour));
    EXPECT_TRUE(pixelIs(32, 32, kBackground));
    EXPECT_EQ(
        window.countPixels(SDL_Rect{0, 64, 640, 416}, kBackground.r, kBackground.g, kBackground.b),
        640 * 416);

    map->updateCamera(336, 0);
    ASSERT_EQ(map->getCameraX(), 16);
    window.clear(kBackground.r, kBackground.g, kBackground.b);
    map->render();
    EXPECT_TRUE(pixelIs(0, 0, kGroundColour));
    EXPECT_TRUE(pixelIs(15, 0, kGroundColour));
    EXPECT_TRUE(pixelIs(16, 0, kBlackColour));
    EXPECT_TRUE(pixelIs(47, 31, kBlackColour));
    EXPECT_TRUE(pixelIs(48, 0, kBackground));
    EXPECT_TRUE(pixelIs(623, 0, kBackground));
    EXPECT_TRUE(pixelIs(624, 0, kPlatformColour));
    EXPECT_TRUE(pixelIs(639, 31, kPlatformColour));
    EXPECT_TRUE(pixelIs(15, 32, kPlatformColour));
    EXPECT_TRUE(pixelIs(16, 32, kBackground));
}

TEST_F(TileMapDrawTest, ASecondLoadReplacesRowsNodesAndDrawing) {
    auto map = makeMap({"GGG", "PPP"});
    folder.writeFile("other.txt", "..\n");
    map->load("other.txt");
    EXPECT_EQ(map->getRows(), Rows{".."});
    EXPECT_FALSE(map->isWall(0, 0));
    EXPECT_FALSE(map->isPlatform(0, 32));
    EXPECT_EQ(map->nodeAt(2, 0), nullptr);
    EXPECT_EQ(map->nodeAt(0, 1), nullptr);
    EXPECT_FALSE(map->nodeAt(0, 0)->solid);
    window.clear(kBackground.r, kBackground.g, kBackground.b);
    map->render();
    EXPECT_EQ(
        window.countPixels(SDL_Rect{0, 0, 640, 480}, kBackground.r, kBackground.g, kBackground.b),
        640 * 480);
    map->load("missing.txt");
    EXPECT_EQ(map->rowCount(), 0);
}

TEST_F(TileMapDrawTest, MissingTileBitmapsDrawNothing) {
    SDL_Renderer* r = renderer();
    ASSERT_EQ(std::remove("assets/tiles/groundTile.bmp"), 0);
    folder.writeFile("level.txt", "GP\n");
    TileMap map(r, "level.txt", 32, 32);
    window.clear(kBackground.r, kBackground.g, kBackground.b);
    map.render();
    EXPECT_TRUE(pixelIs(0, 0, kBackground));
    EXPECT_TRUE(pixelIs(32, 0, kPlatformColour));
}

}  // namespace
