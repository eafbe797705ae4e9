#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "game/world/TileMap.h"

using Rows = std::vector<std::string>;

namespace {

struct PathCase {
    explicit PathCase(const Rows& rows) : map(nullptr, "", 32, 32) { map.loadRows(rows); }
    // Runs one search; the outputs keep their previous values when it writes nothing.
    void find(int startX, int startY, int goalX, int goalY) {
        map.findPath(startX, startY, goalX, goalY, outX, outY);
    }
    TileMap map;
    int outX = 5;
    int outY = 6;
};

TEST(TileMapPathTest, OneCellLeavesTheOutputsAndANeighbourGoalIsTheStep) {
    PathCase open({"....", "....", "...."});
    open.find(40, 40, 63, 33);
    EXPECT_EQ(open.outX, 5);
    EXPECT_EQ(open.outY, 6);
    open.find(40, 40, 64, 33);
    EXPECT_EQ(open.outX, 64);
    EXPECT_EQ(open.outY, 32);
    // Same cell again: the previous outputs stay.
    open.find(64, 32, 95, 63);
    EXPECT_EQ(open.outX, 64);
    EXPECT_EQ(open.outY, 32);
}

TEST(TileMapPathTest, NoPathGivesMinus999) {
    PathCase walled({".....", "..G..", ".G.G.", "..G.."});
    walled.find(0, 0, 96 - 32, 64);
    EXPECT_EQ(walled.outX, -999);
    EXPECT_EQ(walled.outY, -999);

    PathCase platform({"..P.."});
    platform.find(0, 0, 64, 0);
    EXPECT_EQ(platform.outX, -999);
    EXPECT_EQ(platform.outY, -999);

    // A route may not cross a platform either, but may cross entities and doors.
    PathCase blocked({".P.", "GP.", ".P."});
    blocked.find(0, 0, 64, 0);
    EXPECT_EQ(blocked.outX, -999);
    PathCase door({".U.", "EDI"});
    door.find(0, 0, 64, 0);
    EXPECT_EQ(door.outX, 32);
    EXPECT_EQ(door.outY, 0);
}

TEST(TileMapPathTest, PositionsOutsideTheGridGiveMinus999EvenInOneCell) {
    PathCase small({"...", "..."});
    const std::array<int, 4> outside[] = {
        {-32, 0, 0, 0}, {0, 0, 96, 0},        {0, 64, 0, 0},
        {0, 0, 0, -32}, {-40, -40, -40, -40}, {INT_MIN, INT_MAX, INT_MAX, INT_MIN}};
    for (const auto& [sx, sy, gx, gy] : outside) {
        small.outX = 1;
        small.outY = 2;
        small.find(sx, sy, gx, gy);
        EXPECT_EQ(small.outX, -999) << sx << "," << sy << " -> " << gx << "," << gy;
        EXPECT_EQ(small.outY, -999);
    }
    PathCase empty({});
    empty.find(0, 0, 0, 0);
    EXPECT_EQ(empty.outX, -999);
    // The path grid is as wide as row 0: a longer row's extra cells are outside it.
    PathCase ragged({"..", "....", "."});
    ragged.find(0, 32, 96, 32);
    EXPECT_EQ(ragged.outX, -999);
    // A cell missing from a short row is open.
    ragged.find(0, 0, 32, 64);
    EXPECT_EQ(ragged.outX, 0);
    EXPECT_EQ(ragged.outY, 32);
}

TEST(TileMapPathTest, FollowsTheShortestRouteAroundWalls) {
    PathCase around({".G.", ".G.", "..."});
    around.find(0, 0, 64, 0);
    EXPECT_EQ(around.outX, 0);
    EXPECT_EQ(around.outY, 32);
    around.find(64, 0, 0, 0);
    EXPECT_EQ(around.outX, 64);
    EXPECT_EQ(around.outY, 32);
    around.find(0, 64, 64, 64);
    EXPECT_EQ(around.outX, 32);
    EXPECT_EQ(around.outY, 64);
}

TEST(TileMapPathTest, OfTwoEqualLowestScoresTheLaterAppendedWins) {
    // From (1,1) to (2,2): right and down score the same; down was appended later,
    // so the route goes down first.
    PathCase open({"...", "...", "..."});
    open.find(32, 32, 64, 64);
    EXPECT_EQ(open.outX, 32);
    EXPECT_EQ(open.outY, 64);
}

TEST(TileMapPathTest, ParentsSurviveTheNextSearch) {
    PathCase open({"....", "...."});
    open.find(0, 0, 96, 0);
    const PathNode* reached = open.map.nodeAt(3, 0);
    ASSERT_NE(reached->parent, nullptr);
    PathNode* before = reached->parent;
    open.find(0, 32, 32, 32);
    EXPECT_EQ(reached->parent, before);
    EXPECT_FALSE(reached->inOpenList);
}

}  // namespace
