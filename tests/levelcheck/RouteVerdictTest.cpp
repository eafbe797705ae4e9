// Hand-made levels that the route search must judge right, and whose routes
// must complete the level when the game replays them.
#include <string>
#include <vector>

#include "tests/levelcheck/LevelCheckFixture.h"
#include "tools/levelcheck/RouteReplay.h"

namespace levelchecktest {
namespace {

constexpr int kCompleted = 1;

// A flat room: start, eight coins in a row, the door near the right wall.
const std::vector<std::string> kFlatRoom = {
    "GGGGGGGGGGGGGGGGGGGG", "G..................G", "G..................G",
    "G.E.CCCCCCCC....U..G", "GGGGGGGGGGGGGGGGGGGG",
};

// Start, eight coins, then a one-cell wall wallCells high standing on the floor,
// and the door behind it. The jump rises 136 pixels: 4 cells (128) can be
// climbed, 5 (160) cannot. There is no ceiling over the wall.
std::vector<std::string> wallRoom(int wallCells) {
    const int floorRow = 7;
    const int wallColumn = 13;
    std::vector<std::string> rows(floorRow, "G....................G");
    rows.push_back(std::string(rows.front().size(), 'G'));
    rows[floorRow - 1] = "G.E.CCCCCCCC.......U.G";
    for (int r = floorRow - wallCells; r < floorRow; ++r) {
        rows[r][wallColumn] = 'G';
    }
    return rows;
}

// The player starts on a floor of one-way platforms spanning the room; coins and
// door lie below it, reachable only by stepping down through a platform.
const std::vector<std::string> kBelowPlatforms = {
    "GGGGGGGGGGGGGGGGGGGG", "G..................G", "G.E................G", "GPPPPPPPPPPPPPPPPPPG",
    "G..................G", "G..................G", "G.CCCCCCCC.....U...G", "GGGGGGGGGGGGGGGGGGGG",
};

using RouteVerdictTest = LevelCheckFixture;

TEST_F(RouteVerdictTest, FlatRoomIsCompletedAndItsRouteReplaysToTheDoor) {
    const LevelReport report = check(kFlatRoom);
    EXPECT_EQ(report.errorCount(), 0) << report.formatLines();
    EXPECT_EQ(report.warningCount(), 0) << report.formatLines();
    EXPECT_TRUE(report.has(Severity::Note, 4, 17, "route found")) << report.formatLines();
    ASSERT_FALSE(route.empty());

    const std::vector<testsupport::LevelEnd> ends = replay(RouteReplay::format(route));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends.front().outcome, kCompleted);
    EXPECT_EQ(ends.front().score, 800);
    EXPECT_EQ(harness->steps(), static_cast<int>(route.size())) << "ends at the route's end";
}

TEST_F(RouteVerdictTest, WallOfFourCellsIsClimbedButFiveCellsHideTheDoor) {
    const LevelReport climbable = check(wallRoom(4));
    EXPECT_EQ(climbable.errorCount(), 0) << climbable.formatLines();
    ASSERT_TRUE(routeUses(Move::RightJump) || routeUses(Move::Jump));
    const std::vector<testsupport::LevelEnd> ends = replay(RouteReplay::format(route));
    ASSERT_FALSE(ends.empty());
    EXPECT_EQ(ends.front().outcome, kCompleted);

    const LevelReport blocked = check(wallRoom(5));
    EXPECT_TRUE(blocked.has(Severity::Error, 7, 20, "door cannot be reached"))
        << blocked.formatLines();
    EXPECT_TRUE(
        blocked.has(Severity::Error, 7, 3, "no route found from the start that takes 8 coins"))
        << blocked.formatLines();
    EXPECT_TRUE(blocked.has(Severity::Error, "8 of 8 coins can be reached, the door cannot"));
    EXPECT_TRUE(route.empty());
}

TEST_F(RouteVerdictTest, CoinsBelowPlatformsNeedTheDownKey) {
    const LevelReport report = check(kBelowPlatforms);
    EXPECT_EQ(report.errorCount(), 0) << report.formatLines();
    EXPECT_TRUE(routeUses(Move::Down));

    const std::string script = RouteReplay::format(route);
    EXPECT_NE(script.find("+Down"), std::string::npos) << script;
    const std::vector<testsupport::LevelEnd> ends = replay(script);
    ASSERT_FALSE(ends.empty());
    EXPECT_EQ(ends.front().outcome, kCompleted);
}

TEST_F(RouteVerdictTest, SevenCoinsAreAnErrorWithoutASearch) {
    std::vector<std::string> rows = kFlatRoom;
    rows[3][4] = '.';
    const LevelReport report = check(rows);
    EXPECT_TRUE(report.has(Severity::Error, 1, 1, "only 7 coins")) << report.formatLines();
    EXPECT_FALSE(report.has(Severity::Note, "route found"));
    EXPECT_TRUE(route.empty());
}

TEST_F(RouteVerdictTest, SealedSpareCoinIsOnlyAWarning) {
    std::vector<std::string> rows = kFlatRoom;
    rows.push_back(rows.back());
    rows.push_back("GGGGGGGGGGCGGGGGGGGG");
    rows.push_back(rows.back());
    rows.back()[10] = 'G';
    const LevelReport report = check(rows);
    EXPECT_EQ(report.errorCount(), 0) << report.formatLines();
    EXPECT_TRUE(report.has(Severity::Warning, 7, 11, "coin cannot be reached"))
        << report.formatLines();
    EXPECT_FALSE(route.empty());
}

TEST_F(RouteVerdictTest, UnreachableCoinsAreNamedWhenTooFewRemain) {
    // Two of the eight coins are sealed in pockets under the floor.
    std::vector<std::string> rows = kFlatRoom;
    rows[3][4] = '.';
    rows[3][11] = '.';
    rows.push_back("GGGGCGGGGGGCGGGGGGGG");
    rows.push_back(std::string(20, 'G'));
    const LevelReport report = check(rows);
    EXPECT_TRUE(report.has(Severity::Error, 6, 5, "coin cannot be reached"))
        << report.formatLines();
    EXPECT_TRUE(report.has(Severity::Error, 6, 12, "coin cannot be reached"));
    EXPECT_TRUE(report.has(Severity::Error, 4, 3, "6 of 8 coins can be reached, the door can"));
    EXPECT_EQ(report.errorCount(), 3);
}

TEST_F(RouteVerdictTest, NearestCoinsInATrapAreLeftForOthers) {
    // The nearest coins lie at the bottom of a pit too deep to jump out of; the
    // route must jump the pit and take the other eight.
    std::vector<std::string> rows = {
        "G..................G", "G..................G", "G..................G",
        "G..................G", "G.E.....CCCCCCCC.U.G", "GGGG..GGGGGGGGGGGGGG",
    };
    for (int i = 0; i < 5; ++i) {
        rows.push_back("GGGG..GGGGGGGGGGGGGG");
    }
    rows.push_back("GGGGCCGGGGGGGGGGGGGG");
    rows.push_back(std::string(20, 'G'));
    const LevelReport report = check(rows);
    EXPECT_EQ(report.errorCount(), 0) << report.formatLines();
    EXPECT_TRUE(report.has(Severity::Note, "coins at 5:9,")) << report.formatLines();
    EXPECT_FALSE(report.has(Severity::Note, "12:5")) << report.formatLines();
    const std::vector<testsupport::LevelEnd> ends = replay(RouteReplay::format(route));
    ASSERT_FALSE(ends.empty());
    EXPECT_EQ(ends.front().outcome, kCompleted);
}

// A room whose row 5 (entityRow, given) stands on ground with a pit six cells
// deep from column pitFrom to pitTo; a jump leaves no pit deeper than four.
std::vector<std::string> pitRoom(const std::string& entityRow, int pitFrom, int pitTo) {
    std::vector<std::string> rows(4, "G" + std::string(entityRow.size() - 2, '.') + "G");
    rows.push_back(entityRow);
    for (int i = 0; i < 7; ++i) {
        std::string row(entityRow.size(), 'G');
        for (int k = pitFrom; k <= pitTo && i < 6; ++k) {
            row[k] = '.';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST_F(RouteVerdictTest, GapTooWideIsImpossibleAndWhereThePlayerIsStuckIsNamed) {
    const LevelReport report = check(pitRoom("G.E.CCCCCCCC.......U...G", 13, 18));
    EXPECT_TRUE(report.has(Severity::Error, 5, 20, "door cannot be reached"))
        << report.formatLines();
    // The player falls into the gap and meets its far wall.
    EXPECT_TRUE(report.has(Severity::Note, 11, 19,
                           "no further right than column 19 (row 11); in "
                           "the way: 6:20 'G', 7:20 'G'"))
        << report.formatLines();
    EXPECT_FALSE(report.has(Severity::Error, "a trap")) << "the door is the problem, not the coins";
    EXPECT_EQ(report.exitStatus(), 1);
}

TEST_F(RouteVerdictTest, CoinsInAPitWithNoWayOutAreProvenImpossible) {
    // The door lies behind the start; every coin lies at the bottom of a pit
    // six cells deep that no jump leaves.
    std::vector<std::string> rows = pitRoom("G.U.....E...............G", 12, 21);
    rows[10].replace(12, 8, "CCCCCCCC");
    const LevelReport trapped = check(rows);
    EXPECT_TRUE(trapped.has(Severity::Error, 11, 13, "then the door cannot be reached: a trap"))
        << trapped.formatLines();
    EXPECT_TRUE(trapped.has(Severity::Error, "8 of 8 coins can be reached, the door can; 0 coins"));
    EXPECT_FALSE(trapped.has(Severity::Warning, "not decided"));
    EXPECT_EQ(trapped.exitStatus(), 1);
    EXPECT_TRUE(route.empty());
}

}  // namespace
}  // namespace levelchecktest
