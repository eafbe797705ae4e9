#include <gtest/gtest.h>

#include <cstdio>

#include "game/characters/Character.h"
#include "game/characters/Player.h"
#include "tests/game/support/LevelHarness.h"
#include "tests/game/support/ReplayScript.h"
#include "tests/support/ScratchFolder.h"

using testsupport::LevelHarness;
using testsupport::ReplayScript;

namespace {

// Each shipped level keeps recorded replays in tests/replays: one that completes
// it and one that dies. A change to the physics or to a level that breaks one
// fails here.
struct ReplayCase {
    int level;
    const char* file;
    int outcome;
};

class ReplayTest : public ::testing::TestWithParam<ReplayCase> {};

TEST_P(ReplayTest, ReachesItsRecordedOutcome) {
    const ReplayCase& c = GetParam();
    const std::string path = testsupport::repositoryRoot() + "/tests/replays/" + c.file;
    LevelHarness harness;
    harness.loadLevel(c.level);
    ASSERT_NE(harness.level().getPlayer(), nullptr);
    harness.run(ReplayScript::load(path));
    ASSERT_FALSE(harness.ends().empty())
        << c.file << " ended nothing after " << harness.steps() << " steps";
    EXPECT_EQ(harness.ends().front().outcome, c.outcome) << c.file;
    std::printf("%s: outcome %d after %d steps, score %d\n", c.file, harness.ends().front().outcome,
                harness.ends().front().step, harness.ends().front().score);
    if (c.outcome == 1) {
        EXPECT_GE(harness.ends().front().score, 800);
    }
}

TEST_P(ReplayTest, IsDeterministic) {
    const ReplayCase& c = GetParam();
    const std::string path = testsupport::repositoryRoot() + "/tests/replays/" + c.file;
    std::vector<testsupport::LevelEnd> ends[2];
    for (auto& end : ends) {
        LevelHarness harness;  // one harness at a time: each owns SDL and the mixer
        harness.loadLevel(c.level);
        harness.run(ReplayScript::load(path));
        end = harness.ends();
    }
    ASSERT_FALSE(ends[0].empty());
    ASSERT_EQ(ends[0].size(), ends[1].size());
    EXPECT_EQ(ends[0][0].step, ends[1][0].step);
    EXPECT_EQ(ends[0][0].score, ends[1][0].score);
    EXPECT_FLOAT_EQ(ends[0][0].seconds, ends[1][0].seconds);
}

INSTANTIATE_TEST_SUITE_P(
    ShippedLevels, ReplayTest,
    ::testing::Values(ReplayCase{0, "level1.replay", 1}, ReplayCase{0, "level1-death.replay", 0},
                      ReplayCase{1, "level2.replay", 1}, ReplayCase{1, "level2-death.replay", 0},
                      ReplayCase{2, "level3.replay", 1}, ReplayCase{2, "level3-death.replay", 0}),
    [](const ::testing::TestParamInfo<ReplayCase>& param) {
        std::string name = param.param.file;
        for (char& ch : name) {
            if (!isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    });

// How a run died, told by where the player lies and what touches it at the end:
// lower than it started (it fell into a pit), or reached by an enemy of one kind.
enum class Death { Fall, WalkingEnemy, FlyingEnemy, Unknown };

Death deathOf(LevelPlay& level, int startY) {
    const Player& player = *level.getPlayer();
    if (player.getPosition().y >= startY + LevelPlay::kCellSize) {
        return Death::Fall;
    }
    for (const auto& enemy : level.getEnemies()) {
        if (enemy->overlaps(player)) {
            return enemy->getKind() == Character::kFlyingEnemy ? Death::FlyingEnemy
                                                               : Death::WalkingEnemy;
        }
    }
    return Death::Unknown;
}

TEST(DeathReplayTest, TheLevelsKillInDifferentWays) {
    const struct {
        int level;
        const char* file;
        Death way;
    } cases[] = {{0, "level1-death.replay", Death::Fall},
                 {1, "level2-death.replay", Death::WalkingEnemy},
                 {2, "level3-death.replay", Death::FlyingEnemy}};
    for (const auto& c : cases) {
        LevelHarness harness;
        harness.loadLevel(c.level);
        const int startY = harness.level().getPlayer()->getPosition().y;
        harness.run(ReplayScript::load(testsupport::repositoryRoot() + "/tests/replays/" + c.file));
        ASSERT_FALSE(harness.ends().empty()) << c.file;
        EXPECT_EQ(harness.ends().front().outcome, LevelPlay::kDied) << c.file;
        EXPECT_EQ(deathOf(harness.level(), startY), c.way) << c.file;
    }
}

TEST(ReplayScriptTest, ParsesRunsHeldAndFreshKeys) {
    const auto runs = ReplayScript::parse("# start\n10 Right\n\n5 Right +Z  # jump\n3\n");
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].steps, 10);
    EXPECT_EQ(runs[1].held, (std::vector<KeyFlag>{KeyRight, KeyZ}));
    EXPECT_EQ(runs[1].fresh, (std::vector<KeyFlag>{KeyZ}));
    EXPECT_TRUE(runs[2].held.empty());
    EXPECT_EQ(ReplayScript::parse(ReplayScript::format(runs)).size(), 3u);
    EXPECT_EQ(ReplayScript::format(runs), "10 Right\n5 Right +Z\n3\n");
    EXPECT_THROW(ReplayScript::parse("x Right\n"), std::runtime_error);
    EXPECT_THROW(ReplayScript::parse("4 Jump\n"), std::runtime_error);
}

}  // namespace
