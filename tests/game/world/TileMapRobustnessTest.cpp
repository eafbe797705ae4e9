// Any bytes as a level file load, draw and answer every query without reading
// outside the rows, overflowing or running for long.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "game/world/LevelFile.h"
#include "game/world/TileMap.h"
#include "tests/game/world/TileMapFixture.h"

namespace {

class TileMapRobustnessTest : public worldtest::TileMapFixture {
protected:
    // Loads contents as a level file and exercises everything at coordinates
    // around the grid and at the ends of the int range.
    void exercise(const std::string& contents) {
        folder.writeFile("odd.txt", contents);
        TileMap map(renderer(), "odd.txt", 32, 32);
        const int width = map.mapWidth();
        const int height = map.rowCount();
        const int xs[] = {INT_MIN, -33, -32, -1, 0, 31, 32, width * 32 - 1, width * 32, INT_MAX};
        const int ys[] = {INT_MIN, -32, -1, 0, 31, height * 32 - 1, height * 32, INT_MAX};
        for (int x : xs) {
            map.updateCamera(x, 0);
            map.render();
            for (int y : ys) {
                map.isWall(x, y);
                map.isPlatform(x, y);
                map.isSameRow(x, y);
            }
        }
        // A search may explore the whole grid, so huge maps get a few.
        const int searches = static_cast<long long>(width) * height > 10000 ? 3 : 80;
        int outX = 0;
        int outY = 0;
        for (int i = 0; i < searches; ++i) {
            map.findPath(xs[i % 10], ys[i % 8], xs[(i * 7 + 3) % 10], ys[(i * 5 + 1) % 8], outX,
                         outY);
        }
        map.nodeAt(width, height);
        map.nodeAt(INT_MAX, INT_MIN);
    }
};

TEST_F(TileMapRobustnessTest, BinaryBytesAndEmptyFiles) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes;
    for (int i = 0; i < 20000; ++i) {
        // Mostly line feeds and cell codes, so there are rows of many lengths.
        const int b = byte(random);
        bytes += static_cast<char>(b < 40 ? '\n' : b < 120 ? "GP.MU\r"[b % 6] : b);
    }
    exercise(bytes);
    exercise("");
    exercise("\n\n\n");
    exercise(std::string("\0\0\n\0", 4));
}

TEST_F(TileMapRobustnessTest, HugeSingleLineAndManyRows) {
    std::string line(10 * 1000 * 1000, 'G');
    for (std::size_t i = 0; i < line.size(); i += 7) {
        line[i] = '.';
    }
    exercise(line);
    std::string manyRows;
    for (int r = 0; r < 100000; ++r) {
        manyRows += r % 5 == 0 ? "G.P.\n" : "....\n";
    }
    exercise(manyRows);
    // A wide row 0 over many empty rows would be a path grid of 25 million cells.
    exercise(std::string(5000, '.') + std::string(5000, '\n'));
}

TEST_F(TileMapRobustnessTest, PathsWorkOnALongNarrowMap) {
    std::vector<std::string> rows(100000, ".");
    TileMap map(nullptr, "", 32, 32);
    map.loadRows(rows);
    int outX = 0;
    int outY = 0;
    map.findPath(0, 0, 0, 99999 * 32, outX, outY);
    EXPECT_EQ(outX, 0);
    EXPECT_EQ(outY, 32);
}

TEST_F(TileMapRobustnessTest, GridsAboveTheCapHaveNoPathGrid) {
    TileMap map(nullptr, "", 32, 32);
    map.loadRows({std::string(TileMap::kMaxPathCells + 1, '.')});
    EXPECT_EQ(map.nodeAt(0, 0), nullptr);
    int outX = 0;
    int outY = 0;
    map.findPath(0, 0, 32, 0, outX, outY);
    EXPECT_EQ(outX, -999);
    map.loadRows({std::string(TileMap::kMaxPathCells, '.')});
    ASSERT_NE(map.nodeAt(0, 0), nullptr);
    map.findPath(0, 0, 64, 0, outX, outY);
    EXPECT_EQ(outX, 32);
}

}  // namespace
