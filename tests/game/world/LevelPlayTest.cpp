#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "game/characters/Bullet.h"
#include "game/characters/Pickup.h"
#include "game/characters/Player.h"
#include "game/world/Door.h"
#include "game/world/TileMap.h"
#include "tests/game/support/LevelHarness.h"
#include "tests/game/support/TestLevels.h"
#include "tests/support/ScratchFolder.h"

using testsupport::LevelHarness;
using testsupport::levelText;
using testsupport::ScratchFolder;

namespace {

class LevelPlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.linkRepositoryAssetsExceptBestTimes();
        harness = std::make_unique<LevelHarness>();
    }
    void load(const std::vector<std::string>& rows) {
        folder.writeFile("level.txt", levelText(rows));
        harness->loadLevelFile("level.txt");
    }
    void steps(int count) {
        for (int i = 0; i < count; ++i) {
            harness->step();
        }
    }
    Player& player() { return *harness->level().getPlayer(); }
    ScratchFolder folder;
    std::unique_ptr<LevelHarness> harness;
};

TEST_F(LevelPlayTest, EntitiesSpawnAtTheirCellsAndTheLastPlayerAndDoorWin) {
    load({"E...................", "...C.H.A..I.D.......", "............E..U.U..",
          "GGGGGGGGGGGGGGGGGGGG"});
    ASSERT_NE(harness->level().getPlayer(), nullptr);
    EXPECT_EQ(player().getPosition().x, 12 * 32);
    EXPECT_EQ(player().getPosition().y, 2 * 32);
    ASSERT_NE(harness->level().getDoor(), nullptr);
    EXPECT_EQ(harness->level().getDoor()->getPosition().x, 17 * 32);
    const auto& pickups = harness->level().getPickups();
    ASSERT_EQ(pickups.size(), 3u);
    EXPECT_EQ(pickups[0]->getKind(), Pickup::kCoin);
    EXPECT_EQ(pickups[1]->getKind(), Pickup::kHealthPack);
    EXPECT_EQ(pickups[2]->getKind(), Pickup::kAttackCharge);
    const auto& enemies = harness->level().getEnemies();
    ASSERT_EQ(enemies.size(), 2u);
    EXPECT_EQ(enemies[0]->getKind(), Character::kFlyingEnemy);
    EXPECT_EQ(enemies[1]->getKind(), Character::kWalkingEnemy);
    EXPECT_EQ(enemies[1]->getPosition().x, 12 * 32);
    EXPECT_EQ(enemies[1]->getPosition().y, 32);
}

TEST_F(LevelPlayTest, RightAndLeftTogetherStepRightThenLeft) {
    load({"....................", "....EG..............", "GGGGGGGGGGGGGGGGGGGG"});
    steps(30);
    // Push against the wall on the right until touching it.
    harness->keyDown(KeyRight);
    steps(10);
    harness->keyUp(KeyRight);
    const int x = player().getPosition().x;
    harness->keyDown(KeyRight);
    harness->keyDown(KeyLeft);
    harness->step();
    // +3 is blocked by the wall, -3 is not: right first, then left.
    EXPECT_EQ(player().getPosition().x, x - 3);
    EXPECT_EQ(player().getFacing(), 0);
}

TEST_F(LevelPlayTest, AShotWithoutChargesPlaysNothingAndAddsNoBullet) {
    load({"....................", "..E.................", "GGGGGGGGGGGGGGGGGGGG"});
    steps(13);
    int fired = 0;
    for (int i = 0; i < 200 && player().getCharges() > 0; ++i) {
        harness->keyDown(KeyX);
        harness->step();
        harness->keyUp(KeyX);
        ++fired;
    }
    ASSERT_EQ(player().getCharges(), 0);
    steps(100);  // every bullet expires
    ASSERT_TRUE(harness->level().getBullets().empty());
    Mix_HaltChannel(-1);
    harness->keyDown(KeyX);
    harness->step();
    EXPECT_TRUE(harness->level().getBullets().empty());
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(LevelPlayTest, EveryJumpPressPlaysTheSoundEvenInMidAir) {
    load({"....................", "..E.................", "GGGGGGGGGGGGGGGGGGGG"});
    steps(30);
    Mix_HaltChannel(-1);
    harness->keyDown(KeyZ);
    harness->step();
    harness->keyUp(KeyZ);
    EXPECT_EQ(Mix_Playing(-1), 1);
    harness->keyDown(KeyZ);  // in the air now
    harness->step();
    EXPECT_EQ(Mix_Playing(-1), 2);
}

TEST_F(LevelPlayTest, TheDoorNeedsEightHundredPoints) {
    load({"....................", "..EU................", "GGGGGGGGGGGGGGGGGGGG"});
    player().addScore(700);
    harness->keyDown(KeyRight);  // walk into the door and keep pushing
    steps(30);
    EXPECT_TRUE(harness->ends().empty());
    player().addScore(100);
    harness->step();
    ASSERT_EQ(harness->ends().size(), 1u);
    EXPECT_EQ(harness->ends()[0].outcome, 1);
    EXPECT_EQ(harness->ends()[0].score, 800);
    EXPECT_FLOAT_EQ(harness->ends()[0].seconds, player().getTime());
}

TEST_F(LevelPlayTest, DyingAtTheDoorReportsDeathFirst) {
    load({"....................", "..EU................", "GGGGGGGGGGGGGGGGGGGG"});
    harness->keyDown(KeyRight);
    steps(30);
    player().addScore(800);
    player().changeHealth(-100);
    harness->step();
    ASSERT_EQ(harness->ends().size(), 2u);
    EXPECT_EQ(harness->ends()[0].outcome, 0);
    EXPECT_EQ(harness->ends()[1].outcome, 1);
}

TEST_F(LevelPlayTest, TwoEnemiesDyingInOneStepAreRemovedAndTheRestUpdateOnce) {
    load({"....................", "..D..D..D..D........", "GGGGGGGGGGGGGGGGGGGG"});
    steps(30);
    const auto& enemies = harness->level().getEnemies();
    ASSERT_EQ(enemies.size(), 4u);
    Character* survivor1 = enemies[0].get();
    Character* survivor2 = enemies[3].get();
    const int x1 = survivor1->getPosition().x;
    const int x2 = survivor2->getPosition().x;
    enemies[1]->changeHealth(-100);
    enemies[2]->changeHealth(-100);
    Mix_HaltChannel(-1);
    harness->step();
    ASSERT_EQ(enemies.size(), 2u);
    EXPECT_EQ(enemies[0].get(), survivor1);
    EXPECT_EQ(enemies[1].get(), survivor2);
    EXPECT_EQ(std::abs(survivor1->getPosition().x - x1), 1);
    EXPECT_EQ(std::abs(survivor2->getPosition().x - x2), 1);
    EXPECT_EQ(Mix_Playing(-1), 2);  // two enemy-death sounds
}

TEST_F(LevelPlayTest, ABulletInFlightSurvivesLoadingTheNextLevel) {
    load({"....................", "..E.................", "GGGGGGGGGGGGGGGGGGGG"});
    steps(13);
    harness->keyDown(KeyX);
    harness->step();
    ASSERT_EQ(harness->level().getBullets().size(), 1u);
    harness->loadLevel(1);
    EXPECT_EQ(harness->level().getBullets().size(), 1u);
    EXPECT_EQ(harness->level().getLevelIndex(), 1);
    harness->loadLevel(7);  // not a level: map and index stay
    EXPECT_EQ(harness->level().getLevelIndex(), 1);
}

TEST_F(LevelPlayTest, TheFirstFrameShowsThePlayerAndTheTilesThroughOneCamera) {
    const std::string sky(100, '.');
    std::string start = sky;
    start[95] = 'E';
    load({sky, sky, sky, start, std::string(100, 'G')});
    const auto whiteIn = [&](int x, int y, int w, int h) {
        return harness->window().countPixels(SDL_Rect{x, y, w, h}, 255, 255, 255);
    };
    harness->step();
    // The view ends at the map's right end, with the player in it.
    EXPECT_EQ(harness->level().getTileMap().getCameraX(), 3200 - 640);
    EXPECT_LT(whiteIn(480, 96, 22, 30), 22 * 30);
    EXPECT_EQ(whiteIn(0, 128, 640, 32), 0);
    // A narrow level after a wide one starts at the left edge, tiles included.
    const std::string narrowSky(20, '.');
    load({narrowSky, narrowSky, narrowSky, "..E", std::string(20, 'G')});
    harness->step();
    EXPECT_EQ(harness->level().getTileMap().getCameraX(), 0);
    EXPECT_LT(whiteIn(64, 96, 22, 30), 22 * 30);
    EXPECT_EQ(whiteIn(0, 128, 640, 32), 0);
}

TEST_F(LevelPlayTest, ALevelWithoutPlayerOrFileStillRuns) {
    load({"....................", "...C..D..I..........", "GGGGGGGGGGGGGGGGGGGG"});
    steps(50);
    EXPECT_TRUE(harness->ends().empty());
    harness->loadLevelFile("no-such-file.txt");
    steps(5);
    EXPECT_TRUE(harness->level().getEnemies().empty());
}

}  // namespace
