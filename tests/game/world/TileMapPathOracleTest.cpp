// Production path search against the literal reference search on random maps,
// including sequences of searches on one map and positions outside the grid, and on
// long stress maps: corridors, platform mazes, unreachable goals, moving searches
// whose answers come back from the cache, and the node state each search leaves.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>
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

// Stress maps as long as a big level: 1000 cells wide, 15 high, 32-pixel tiles.
constexpr int kStressWidth = 1000;
constexpr int kStressHeight = 15;
constexpr int kTile = 32;

// Ground above and below and open cells between, sprinkled with codes that do not
// block a route (black tiles, doors, entities).
std::vector<std::string> corridorRows(std::mt19937& random) {
    std::vector<std::string> rows(kStressHeight, std::string(kStressWidth, '.'));
    rows.front() = std::string(kStressWidth, 'G');
    rows.back() = std::string(kStressWidth, 'G');
    static const std::string kOpenCodes = "MUICDHA";
    std::uniform_int_distribution<int> column(0, kStressWidth - 1);
    std::uniform_int_distribution<int> row(1, kStressHeight - 2);
    std::uniform_int_distribution<std::size_t> code(0, kOpenCodes.size() - 1);
    for (int i = 0; i < kStressWidth / 4; ++i) {
        rows[row(random)][column(random)] = kOpenCodes[code(random)];
    }
    return rows;
}

// A corridor cut by ground walls a few cells apart, each with a gap of one or two
// cells at a random height, and with platform ledges scattered between them.
std::vector<std::string> mazeRows(std::mt19937& random) {
    std::vector<std::string> rows = corridorRows(random);
    std::uniform_int_distribution<int> spacing(3, 7);
    std::uniform_int_distribution<int> gapRow(1, kStressHeight - 3);
    std::uniform_int_distribution<int> gapSize(1, 2);
    for (int column = spacing(random); column < kStressWidth - 1; column += spacing(random)) {
        const int gap = gapRow(random);
        const int size = gapSize(random);
        for (int r = 1; r < kStressHeight - 1; ++r) {
            rows[r][column] = r >= gap && r < gap + size ? '.' : 'G';
        }
    }
    std::uniform_int_distribution<int> ledgeColumn(0, kStressWidth - 8);
    std::uniform_int_distribution<int> ledgeRow(2, kStressHeight - 3);
    std::uniform_int_distribution<int> ledgeLength(2, 6);
    for (int i = 0; i < kStressWidth / 6; ++i) {
        const int r = ledgeRow(random);
        const int first = ledgeColumn(random);
        const int length = ledgeLength(random);
        for (int k = first; k < first + length; ++k) {
            rows[r][k] = 'P';
        }
    }
    return rows;
}

// A pixel somewhere inside a cell.
SDL_Point pixelIn(int column, int row, std::mt19937& random) {
    std::uniform_int_distribution<int> inside(0, kTile - 1);
    return SDL_Point{column * kTile + inside(random), row * kTile + inside(random)};
}

// A pixel in a random open cell between the top and bottom rows.
SDL_Point openPixel(const std::vector<std::string>& rows, std::mt19937& random) {
    std::uniform_int_distribution<int> column(0, static_cast<int>(rows[0].size()) - 1);
    std::uniform_int_distribution<int> row(1, static_cast<int>(rows.size()) - 2);
    for (;;) {
        const int k = column(random);
        const int r = row(random);
        if (rows[r][k] != 'G' && rows[r][k] != 'P') {
            return pixelIn(k, r, random);
        }
    }
}

// Production and reference side by side on one map, both keeping their outputs
// between searches as a flying enemy does.
struct SearchPair {
    explicit SearchPair(const std::vector<std::string>& rows)
        : map(nullptr, "", kTile, kTile), reference(rows, kTile, kTile) {
        map.loadRows(rows);
    }
    // Runs one search on both; true when the outputs agree.
    ::testing::AssertionResult find(SDL_Point start, SDL_Point goal) {
        map.findPath(start.x, start.y, goal.x, goal.y, outX, outY);
        reference.findPath(start.x, start.y, goal.x, goal.y, expectedX, expectedY);
        if (outX == expectedX && outY == expectedY) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "from (" << start.x << ", " << start.y << ") to (" << goal.x << ", " << goal.y
               << "): production (" << outX << ", " << outY << "), reference (" << expectedX << ", "
               << expectedY << ")";
    }
    TileMap map;
    ReferencePathSearch reference;
    int outX = 3;
    int outY = 4;
    int expectedX = 3;
    int expectedY = 4;
};

TEST(TileMapPathOracleTest, MatchesReferenceAlongLongCorridors) {
    std::mt19937 random(1000);
    std::uniform_int_distribution<int> row(1, kStressHeight - 2);
    for (int m = 0; m < 3; ++m) {
        const std::vector<std::string> rows = corridorRows(random);
        SearchPair pair(rows);
        // End to end both ways, then anywhere to anywhere.
        for (int i = 0; i < 4; ++i) {
            const SDL_Point left = pixelIn(0, row(random), random);
            const SDL_Point right = pixelIn(kStressWidth - 1, row(random), random);
            ASSERT_TRUE(pair.find(left, right)) << "map " << m;
            ASSERT_TRUE(pair.find(right, left)) << "map " << m;
        }
        for (int i = 0; i < 8; ++i) {
            ASSERT_TRUE(pair.find(openPixel(rows, random), openPixel(rows, random))) << "map " << m;
        }
    }
}

TEST(TileMapPathOracleTest, MatchesReferenceThroughPlatformMazes) {
    std::mt19937 random(2000);
    for (int m = 0; m < 4; ++m) {
        const std::vector<std::string> rows = mazeRows(random);
        SearchPair pair(rows);
        for (int i = 0; i < 10; ++i) {
            ASSERT_TRUE(pair.find(openPixel(rows, random), openPixel(rows, random))) << "map " << m;
        }
    }
}

TEST(TileMapPathOracleTest, MatchesReferenceWhenTheGoalIsWalledIn) {
    std::mt19937 random(3000);
    std::uniform_int_distribution<int> column(1, kStressWidth - 2);
    std::uniform_int_distribution<int> row(2, kStressHeight - 3);
    for (int m = 0; m < 4; ++m) {
        std::vector<std::string> rows = m % 2 == 0 ? corridorRows(random) : mazeRows(random);
        const int goalColumn = column(random);
        const int goalRow = row(random);
        rows[goalRow][goalColumn] = '.';
        rows[goalRow][goalColumn + 1] = 'G';
        rows[goalRow][goalColumn - 1] = 'P';
        rows[goalRow + 1][goalColumn] = 'G';
        rows[goalRow - 1][goalColumn] = 'P';
        SearchPair pair(rows);
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(pair.find(openPixel(rows, random), pixelIn(goalColumn, goalRow, random)))
                << "map " << m;
            EXPECT_EQ(pair.outX, TileMap::kNoPath);
            // A goal inside a wall or platform cell is never reached either.
            ASSERT_TRUE(pair.find(openPixel(rows, random),
                                  pixelIn(goalColumn + 1 - 2 * (i % 2), goalRow, random)))
                << "map " << m;
            EXPECT_EQ(pair.outX, TileMap::kNoPath);
        }
    }
}

// Several chasers follow their first steps toward a wandering goal, taking turns as
// flying enemies do within one level step. Most searches repeat an earlier start
// and goal cell and are answered from the cache; the reference searches every time.
TEST(TileMapPathOracleTest, MatchesReferenceOverMovingSearchesAnsweredFromTheCache) {
    constexpr int kChasers = 4;
    constexpr int kRounds = 150;
    // Pixels a chaser or the goal moves per round on each axis.
    constexpr int kStride = 6;
    std::mt19937 random(4000);
    for (int m = 0; m < 2; ++m) {
        const std::vector<std::string> rows = m == 0 ? mazeRows(random) : corridorRows(random);
        SearchPair pair(rows);
        std::vector<SDL_Point> chasers;
        std::vector<SDL_Point> targets;
        SDL_Point goal = openPixel(rows, random);
        for (int c = 0; c < kChasers; ++c) {
            const SDL_Point near{goal.x + (c - kChasers / 2) * 8 * kTile, goal.y};
            chasers.push_back(pair.map.isWall(near.x, near.y) ? openPixel(rows, random) : near);
            targets.push_back(chasers.back());
        }
        std::uniform_int_distribution<int> wander(-kStride, kStride);
        for (int round = 0; round < kRounds; ++round) {
            for (int c = 0; c < kChasers; ++c) {
                pair.outX = targets[c].x;
                pair.outY = targets[c].y;
                pair.expectedX = targets[c].x;
                pair.expectedY = targets[c].y;
                ASSERT_TRUE(pair.find(chasers[c], goal)) << "map " << m << " round " << round;
                targets[c] = SDL_Point{pair.outX, pair.outY};
                if (targets[c].y >= 0) {
                    chasers[c].x += std::clamp(targets[c].x - chasers[c].x, -kStride, kStride);
                    chasers[c].y += std::clamp(targets[c].y - chasers[c].y, -kStride, kStride);
                }
            }
            const SDL_Point next{goal.x + wander(random), goal.y + wander(random)};
            if (!pair.map.isWall(next.x, next.y) && !pair.map.isPlatform(next.x, next.y)) {
                goal = next;
            }
        }
    }
}

TEST(TileMapPathOracleTest, ForgetsCachedAnswersWhenTheMapIsReloaded) {
    std::mt19937 random(5000);
    std::vector<std::string> rows = mazeRows(random);
    SearchPair pair(rows);
    std::vector<std::pair<SDL_Point, SDL_Point>> searches;
    for (int i = 0; i < 6; ++i) {
        searches.emplace_back(openPixel(rows, random), openPixel(rows, random));
        ASSERT_TRUE(pair.find(searches.back().first, searches.back().second));
    }
    // The same searches on a map with other walls must be searched again.
    std::vector<std::string> other = corridorRows(random);
    for (const auto& [start, goal] : searches) {
        other[start.y / kTile][start.x / kTile] = '.';
        other[goal.y / kTile][goal.x / kTile] = '.';
    }
    pair.map.loadRows(other);
    pair.reference = ReferencePathSearch(other, kTile, kTile);
    for (const auto& [start, goal] : searches) {
        ASSERT_TRUE(pair.find(start, goal));
        ASSERT_NE(pair.outX, TileMap::kNoPath);
    }
}

// The parents, flags and scores each search leaves on every node are those of the
// reference, which resets every node first; searches that would be answered from
// the cache are left out, as those leave the nodes alone.
TEST(TileMapPathOracleTest, LeavesEveryNodeAsTheReferenceDoes) {
    std::mt19937 random(6000);
    std::vector<std::string> rows = mazeRows(random);
    rows.resize(kStressHeight);
    for (std::string& row : rows) {
        row.resize(kStressWidth / 10);
    }
    SearchPair pair(rows);
    std::set<std::pair<int, int>> searched;
    const int width = static_cast<int>(rows[0].size());
    std::bernoulli_distribution anywhere(0.3);
    for (int i = 0; i < 40; ++i) {
        // Mostly open cells, sometimes any cell or a pixel outside the grid.
        const SDL_Point start = anywhere(random)
                                    ? SDL_Point{randomCoordinate(random, width, kTile),
                                                randomCoordinate(random, kStressHeight, kTile)}
                                    : openPixel(rows, random);
        const SDL_Point goal = anywhere(random)
                                   ? SDL_Point{randomCoordinate(random, width, kTile),
                                               randomCoordinate(random, kStressHeight, kTile)}
                                   : openPixel(rows, random);
        const auto cells = std::make_pair(start.y / kTile * width + start.x / kTile,
                                          goal.y / kTile * width + goal.x / kTile);
        if (!searched.insert(cells).second) {
            continue;
        }
        ASSERT_TRUE(pair.find(start, goal));
        for (int r = 0; r < kStressHeight; ++r) {
            for (int k = 0; k < width; ++k) {
                const PathNode& node = *pair.map.nodeAt(k, r);
                const ReferencePathSearch::CellState expected = pair.reference.cellState(k, r);
                const int parentColumn = node.parent == nullptr ? -1 : node.parent->x / kTile;
                const int parentRow = node.parent == nullptr ? -1 : node.parent->y / kTile;
                ASSERT_EQ(parentColumn, expected.parentColumn)
                    << "search " << i << " cell " << k << ", " << r;
                ASSERT_EQ(parentRow, expected.parentRow) << "search " << i;
                ASSERT_EQ(node.inOpenList, expected.inOpenList) << "search " << i;
                ASSERT_EQ(node.inClosedList, expected.inClosedList) << "search " << i;
                ASSERT_EQ(node.f, expected.f) << "search " << i;
                ASSERT_EQ(node.g, expected.g) << "search " << i;
                ASSERT_EQ(node.h, expected.h) << "search " << i;
            }
        }
    }
}

}  // namespace
