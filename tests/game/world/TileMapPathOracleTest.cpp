// Production path search against the literal reference search on random maps,
// including sequences of searches on one map and positions outside the grid.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "game/world/TileMap.h"
#include "tests/game/world/ReferencePathSearch.h"

using worldtest::ReferencePathSearch;

namespace {

constexpr int kMaps = 400;
constexpr int kSearchesPerMap = 25;

// Mostly open cells with walls, platforms and other codes mixed in.
char randomCode(std::mt19937& random) {
    static const char kCodeList[] = "....GGPMUEIDCHA.B\0g";
    static const std::string kCodes(kCodeList, sizeof(kCodeList) - 1);
    std::uniform_int_distribution<std::size_t> pick(0, kCodes.size() - 1);
    return kCodes[pick(random)];
}

std::vector<std::string> randomRows(std::mt19937& random, bool ragged) {
    std::uniform_int_distribution<int> sizes(0, 14);
    const int height = sizes(random);
    const int width = sizes(random);
    std::vector<std::string> rows;
    for (int r = 0; r < height; ++r) {
        const int length = ragged ? sizes(random) : width;
        std::string row;
        for (int k = 0; k < length; ++k) {
            row += randomCode(random);
        }
        rows.push_back(row);
    }
    return rows;
}

// A coordinate around a span of cells, reaching a little outside on both sides.
int randomCoordinate(std::mt19937& random, int cells, int tileSize) {
    std::uniform_int_distribution<int> pick(-2 * tileSize, (cells + 2) * tileSize);
    return pick(random);
}

void compareSearches(const std::vector<std::string>& rows, int tileWidth, int tileHeight,
                     std::mt19937& random) {
    TileMap map(nullptr, "", static_cast<std::uint8_t>(tileWidth),
                static_cast<std::uint8_t>(tileHeight));
    map.loadRows(rows);
    ReferencePathSearch reference(rows, tileWidth, tileHeight);
    const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    const int height = static_cast<int>(rows.size());
    // Both callers keep their outputs between searches, as a flying enemy does.
    int outX = 7;
    int outY = 11;
    int expectedX = outX;
    int expectedY = outY;
    for (int i = 0; i < kSearchesPerMap; ++i) {
        const int startX = randomCoordinate(random, width, tileWidth);
        const int startY = randomCoordinate(random, height, tileHeight);
        const int goalX = randomCoordinate(random, width, tileWidth);
        const int goalY = randomCoordinate(random, height, tileHeight);
        map.findPath(startX, startY, goalX, goalY, outX, outY);
        reference.findPath(startX, startY, goalX, goalY, expectedX, expectedY);
        ASSERT_EQ(outX, expectedX) << "search " << i << " from (" << startX << ", " << startY
                                   << ") to (" << goalX << ", " << goalY << ")";
        ASSERT_EQ(outY, expectedY) << "search " << i;
    }
}

TEST(TileMapPathOracleTest, MatchesReferenceOnRectangularMaps) {
    std::mt19937 random(20240611);
    for (int m = 0; m < kMaps; ++m) {
        const std::vector<std::string> rows = randomRows(random, false);
        SCOPED_TRACE(::testing::Message() << "map " << m);
        compareSearches(rows, 32, 32, random);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(TileMapPathOracleTest, MatchesReferenceOnRaggedMapsAndOddTileSizes) {
    std::mt19937 random(777);
    std::uniform_int_distribution<int> tileSizes(1, 255);
    for (int m = 0; m < kMaps; ++m) {
        const std::vector<std::string> rows = randomRows(random, true);
        const int tileWidth = m % 2 == 0 ? 32 : tileSizes(random);
        const int tileHeight = m % 3 == 0 ? 32 : tileSizes(random);
        SCOPED_TRACE(::testing::Message()
                     << "map " << m << " tiles " << tileWidth << "x" << tileHeight);
        compareSearches(rows, tileWidth, tileHeight, random);
        if (HasFatalFailure()) {
            return;
        }
    }
}

// Long searches on one open map, where many equal f values make the tie-break and
// the re-parenting rule decide the first step.
TEST(TileMapPathOracleTest, MatchesReferenceOnLargeOpenMaps) {
    std::mt19937 random(99);
    for (int m = 0; m < 20; ++m) {
        std::vector<std::string> rows(30, std::string(60, '.'));
        std::bernoulli_distribution wall(0.15);
        for (std::string& row : rows) {
            for (char& cell : row) {
                if (wall(random)) {
                    cell = m % 2 == 0 ? 'G' : 'P';
                }
            }
        }
        SCOPED_TRACE(::testing::Message() << "map " << m);
        compareSearches(rows, 32, 32, random);
        if (HasFatalFailure()) {
            return;
        }
    }
}

}  // namespace
