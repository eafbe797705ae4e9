// Hostile level files through the level play: it creates exactly what the cells
// say (the last player and door in reading order), then plays a few hundred
// steps with the keys pressed, removing but never adding entities, and reports
// only deaths and completions.
#include <gtest/gtest.h>

#include <SDL.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "game/characters/Player.h"
#include "game/world/Door.h"
#include "game/world/TileMap.h"
#include "tests/game/support/LevelHarness.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/reliability/support/LevelFamilies.h"
#include "tests/support/ScratchFolder.h"

namespace reliability {
namespace {

constexpr int kSteps = 300;
constexpr int kFireEvery = 10;
constexpr int kJumpEvery = 40;
constexpr int kCell = 32;
constexpr const char* kLevelPath = "bad.txt";
constexpr int kCompleted = 1;
constexpr int kDied = 0;

// What the rows must give, counted independently of the level play.
struct Census {
    int players = 0;
    SDL_Point lastPlayer{0, 0};
    size_t enemies = 0;
    size_t pickups = 0;
    int doors = 0;
    SDL_Point lastDoor{0, 0};
};

Census censusOf(const std::vector<std::string>& rows) {
    Census census;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t k = 0; k < rows[r].size(); ++k) {
            const SDL_Point at{static_cast<int>(k) * kCell, static_cast<int>(r) * kCell};
            switch (rows[r][k]) {
                case 'E':
                    ++census.players;
                    census.lastPlayer = at;
                    break;
                case 'U':
                    ++census.doors;
                    census.lastDoor = at;
                    break;
                case 'D':
                case 'I':
                    ++census.enemies;
                    break;
                case 'C':
                case 'H':
                case 'A':
                    ++census.pickups;
                    break;
                default:
                    break;
            }
        }
    }
    return census;
}

void writeLevel(const std::string& bytes) {
    std::ofstream(kLevelPath, std::ios::binary | std::ios::trunc) << bytes;
}

// Plays steps with Right held, a shot every kFireEvery steps and (when jumping)
// a jump every kJumpEvery; checks after each step that nothing was added.
// Answers the step of the first level end, or -1.
int play(testsupport::LevelHarness& harness, int steps, bool jumping) {
    LevelPlay& level = harness.level();
    harness.keyDown(KeyRight);
    int shots = 0;
    int firstEnd = -1;
    for (int i = 1; i <= steps; ++i) {
        const size_t enemies = level.getEnemies().size();
        const size_t pickups = level.getPickups().size();
        const size_t bullets = level.getBullets().size();
        if (i % kFireEvery == 0) {
            harness.keyDown(KeyX);
            ++shots;
        }
        if (jumping && i % kJumpEvery == 0) {
            harness.keyDown(KeyZ);
        }
        harness.step();
        harness.keyUp(KeyX);
        harness.keyUp(KeyZ);
        EXPECT_LE(level.getEnemies().size(), enemies);
        EXPECT_LE(level.getPickups().size(), pickups);
        EXPECT_LE(level.getBullets().size(), bullets + 1);
        EXPECT_LE(level.getBullets().size(), static_cast<size_t>(shots));
        if (firstEnd < 0 && !harness.ends().empty()) {
            firstEnd = i;
        }
    }
    harness.releaseAll();
    return firstEnd;
}

class BadLevelFilesGameTest : public ::testing::TestWithParam<LevelFamily> {
protected:
    void SetUp() override {
        AssetTree::build();
        harness = std::make_unique<testsupport::LevelHarness>();
    }
    testsupport::ScratchFolder folder;
    std::unique_ptr<testsupport::LevelHarness> harness;
};

TEST_P(BadLevelFilesGameTest, CreatesWhatTheCellsSayAndPlaysOn) {
    const std::string bytes = GetParam().make();
    writeLevel(bytes);
    harness->loadLevelFile(kLevelPath);
    LevelPlay& level = harness->level();
    const std::vector<std::string> rows = LevelFamilies::rowsOf(bytes);
    const Census census = censusOf(rows);

    EXPECT_EQ(level.getTileMap().rowCount(), static_cast<int>(rows.size()));
    ASSERT_EQ(level.getPlayer() != nullptr, census.players > 0);
    if (census.players > 0) {
        EXPECT_EQ(level.getPlayer()->getPosition().x, census.lastPlayer.x);
        EXPECT_EQ(level.getPlayer()->getPosition().y, census.lastPlayer.y);
    }
    ASSERT_EQ(level.getDoor() != nullptr, census.doors > 0);
    if (census.doors > 0) {
        EXPECT_EQ(level.getDoor()->getPosition().x, census.lastDoor.x);
        EXPECT_EQ(level.getDoor()->getPosition().y, census.lastDoor.y);
    }
    EXPECT_EQ(level.getEnemies().size(), census.enemies);
    EXPECT_EQ(level.getPickups().size(), census.pickups);

    play(*harness, kSteps, true);
    for (const testsupport::LevelEnd& end : harness->ends()) {
        EXPECT_TRUE(end.outcome == kDied || end.outcome == kCompleted) << end.outcome;
    }
    if (census.players == 0) {
        // Without a player nothing can end the level.
        EXPECT_TRUE(harness->ends().empty());
    }
}

std::string familyName(const ::testing::TestParamInfo<LevelFamily>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadLevelFilesGameTest,
                         ::testing::ValuesIn(LevelFamilies::all()), familyName);

// The individual families, each with what the level play does with it.
class BadLevelFileGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        AssetTree::build();
        harness = std::make_unique<testsupport::LevelHarness>();
    }
    // Loads bytes as the level and plays them walking right, without jumps, so
    // that the player picks up every coin on the floor.
    int loadAndPlay(const std::string& bytes) {
        writeLevel(bytes);
        harness->loadLevelFile(kLevelPath);
        return play(*harness, kSteps, false);
    }
    static std::string family(const std::string& name) {
        for (const LevelFamily& f : LevelFamilies::all()) {
            if (name == f.name) {
                return f.make();
            }
        }
        return "";
    }
    testsupport::ScratchFolder folder;
    std::unique_ptr<testsupport::LevelHarness> harness;
};

TEST_F(BadLevelFileGameTest, CrLfEndsPlayExactlyLikeLineFeeds) {
    const std::string crlf = family("crlf");
    std::string lf = crlf;
    for (size_t at = lf.find("\r\n"); at != std::string::npos; at = lf.find("\r\n", at)) {
        lf.erase(at, 1);
    }
    const int crlfEnd = loadAndPlay(crlf);
    const std::vector<testsupport::LevelEnd> crlfEnds = harness->ends();
    // One harness at a time: each starts and quits SDL.
    harness.reset();
    harness = std::make_unique<testsupport::LevelHarness>();
    const int lfEnd = loadAndPlay(lf);
    ASSERT_FALSE(crlfEnds.empty());
    EXPECT_EQ(crlfEnds.front().outcome, kCompleted);
    EXPECT_EQ(crlfEnd, lfEnd);
    EXPECT_EQ(harness->ends().front().score, crlfEnds.front().score);
}

TEST_F(BadLevelFileGameTest, TenMegabyteLineHasNoGroundSoThePlayerFallsAndNothingEnds) {
    loadAndPlay(family("ten_megabyte_line"));
    const TileMap& map = harness->level().getTileMap();
    EXPECT_EQ(map.rowCount(), 1);
    EXPECT_EQ(map.mapWidth(), static_cast<int>(LevelFamilies::kLongLineBytes));
    EXPECT_GT(harness->level().getPlayer()->getPosition().y, kCell * kSteps / 10);
    EXPECT_TRUE(harness->ends().empty());
}

TEST_F(BadLevelFileGameTest, HundredThousandRowsPlayLikeTheirTopFifteen) {
    loadAndPlay(family("hundred_thousand_rows"));
    EXPECT_EQ(harness->level().getTileMap().rowCount(), LevelFamilies::kManyRows);
    // The level play reports the end in every step at the door; a Game would have
    // left the level at the first.
    ASSERT_FALSE(harness->ends().empty());
    EXPECT_EQ(harness->ends().front().outcome, kCompleted);
    EXPECT_EQ(harness->ends().front().score, Door::kRequiredScore);
}

TEST_F(BadLevelFileGameTest, WithoutADoorEightCoinsEndNothing) {
    loadAndPlay(family("no_door"));
    EXPECT_EQ(harness->level().getPlayer()->getScore(), Door::kRequiredScore);
    EXPECT_TRUE(harness->ends().empty());
}

TEST_F(BadLevelFileGameTest, WithSeveralPlayersAndDoorsTheLastOfEachCountsAndEveryDoorIsAWall) {
    writeLevel(family("several_of_each"));
    harness->loadLevelFile(kLevelPath);
    LevelPlay& level = harness->level();
    const int row = 12 * kCell;
    EXPECT_EQ(level.getPlayer()->getPosition().x, 14 * kCell);
    EXPECT_EQ(level.getPlayer()->getPosition().y, row);
    EXPECT_EQ(level.getDoor()->getPosition().x, 29 * kCell);
    for (int column : {8, 11, 29}) {
        EXPECT_TRUE(level.getTileMap().isWall(column * kCell, row)) << column;
    }
}

TEST_F(BadLevelFileGameTest, NulAndHighBytesAreEmptyCells) {
    writeLevel(family("nul_and_high_bytes"));
    harness->loadLevelFile(kLevelPath);
    const TileMap& map = harness->level().getTileMap();
    const int row = 15 * kCell;
    for (int column : {3, 4, 5}) {
        EXPECT_FALSE(map.isWall(column * kCell, row)) << column;
        EXPECT_FALSE(map.isPlatform(column * kCell, row)) << column;
    }
    EXPECT_EQ(map.getRows()[15][3], '\0');
    EXPECT_NE(harness->level().getPlayer(), nullptr);
}

TEST_F(BadLevelFileGameTest, AMissingOrEmptyFileIsAnEmptyLevelWithNothingToPlay) {
    harness->loadLevelFile("no such file.txt");
    EXPECT_EQ(harness->level().getTileMap().rowCount(), 0);
    EXPECT_EQ(harness->level().getPlayer(), nullptr);
    EXPECT_EQ(loadAndPlay(""), -1);
    EXPECT_EQ(harness->level().getTileMap().rowCount(), 0);
    EXPECT_TRUE(harness->level().getEnemies().empty());
}

}  // namespace
}  // namespace reliability
