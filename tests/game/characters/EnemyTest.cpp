#include <gtest/gtest.h>

#include <climits>

#include "game/characters/BirdEnemy.h"
#include "game/characters/Bullet.h"
#include "game/characters/DumbEnemy.h"
#include "game/characters/Pickup.h"
#include "game/characters/Player.h"
#include "tests/game/support/LevelHarness.h"
#include "tests/game/support/TestLevels.h"
#include "tests/support/ScratchFolder.h"

using testsupport::LevelHarness;
using testsupport::levelText;
using testsupport::ScratchFolder;

namespace {

class EnemyTest : public ::testing::Test {
protected:
    void SetUp() override { folder.linkRepositoryAssetsExceptBestTimes(); }
    void load(const std::vector<std::string>& rows) {
        folder.writeFile("level.txt", levelText(rows));
        harness = std::make_unique<LevelHarness>();
        harness->loadLevelFile("level.txt");
    }
    Character& enemy(size_t i) { return *harness->level().getEnemies().at(i); }
    ScratchFolder folder;
    std::unique_ptr<LevelHarness> harness;
};

TEST_F(EnemyTest, WalkerStopsOnePixelShortOfAWallThenTurns) {
    load({"....................", "....................", "..D......G..........",
          "GGGGGGGGGGGGGGGGGGGG"});
    Character& walker = enemy(0);
    int rightmost = 0;
    bool turned = false;
    for (int i = 0; i < 400 && !turned; ++i) {
        const int before = walker.getPosition().x;
        harness->step();
        rightmost = std::max(rightmost, walker.getPosition().x);
        turned = walker.getPosition().x < before;
    }
    ASSERT_TRUE(turned);
    // The wall cell starts at x = 9 * 32; one free pixel stays between them.
    EXPECT_EQ(rightmost + walker.getWidth(), 9 * 32 - 1);
    EXPECT_EQ(walker.getFacing(), 0);
}

TEST_F(EnemyTest, WalkerFallsOffALedgeAtMostEightPixelsPerUpdate) {
    load({"....................", "...D................", "GGGGGG..............",
          "....................", "....................", "....................",
          "....................", "....................", "GGGGGGGGGGGGGGGGGGGG"});
    Character& walker = enemy(0);
    int fastest = 0;
    for (int i = 0; i < 400; ++i) {
        const int before = walker.getPosition().y;
        harness->step();
        fastest = std::max(fastest, walker.getPosition().y - before);
    }
    EXPECT_EQ(fastest, 8);
    EXPECT_EQ(walker.getPosition().y + walker.getHeight(), 8 * 32);
}

TEST_F(EnemyTest, ContactCosts25PerHalfSecondNotPerUpdate) {
    load({"....................", "....................", "....ED..............",
          "GGGGGGGGGGGGGGGGGGGG"});
    Player& player = *harness->level().getPlayer();
    // Keep the walker on the player: it turns at nothing here, so hold it by re-placing.
    for (int i = 0; i < 31; ++i) {
        enemy(0).setPosition(player.getPosition().x, player.getPosition().y);
        harness->step();
    }
    EXPECT_EQ(player.getHealth(), 75);  // 31 updates of contact, 0.496 s
    for (int i = 0; i < 2; ++i) {
        enemy(0).setPosition(player.getPosition().x, player.getPosition().y);
        harness->step();
    }
    EXPECT_EQ(player.getHealth(), 50);
}

TEST_F(EnemyTest, BirdWithNoPathHovers) {
    load({"GGGGGGGGGGGGGGGGGGGG", "G.I.G..............G", "GGGGG...E..........G",
          "GGGGGGGGGGGGGGGGGGGG"});
    const SDL_Point start = enemy(0).getPosition();
    for (int i = 0; i < 20; ++i) {
        harness->step();
    }
    EXPECT_EQ(enemy(0).getPosition().x, start.x);
    EXPECT_EQ(enemy(0).getPosition().y, start.y);
}

TEST_F(EnemyTest, WithoutATileMapEveryoneMovesInOpenSpace) {
    load({"...."});
    SDL_Renderer* renderer = harness->window().renderer();
    Player player(renderer, "assets/sprites/player/player_anim_run_1.bmp", 100, 0, nullptr,
                  nullptr);
    DumbEnemy walker(renderer, "assets/sprites/dumbenemy/dumb_anim_1.bmp", 300, 0, nullptr);
    DumbEnemy farWalker(renderer, "assets/sprites/dumbenemy/dumb_anim_1.bmp", INT_MAX, 0, nullptr);
    BirdEnemy bird(renderer, "assets/sprites/birdenemy/bird_anim_1.bmp", 500, 0, nullptr);
    Pickup coin(renderer, "assets/sprites/coin.bmp", 700, 0, nullptr, Pickup::kCoin, nullptr);
    for (int i = 0; i < 10; ++i) {
        player.update(nullptr);
        walker.update(&player);
        farWalker.update(nullptr);
        bird.update(&player);
        coin.update(&player);
    }
    EXPECT_GT(player.getPosition().y, 0);
    EXPECT_GT(walker.getPosition().y, 0);
    EXPECT_EQ(walker.getPosition().x, 310);
    EXPECT_EQ(bird.getPosition().x, 500);  // no map, no path
    EXPECT_FALSE(coin.isCollected());
    player.addScore(INT_MAX);
    player.addScore(100);
    EXPECT_EQ(player.getScore(), INT_MAX);
}

TEST_F(EnemyTest, BirdFliesDiagonallyAndEndsFacingLeftAfterRisingRight) {
    load({"....................", "........E...........", "........G...........",
          "....................", "..I.................", "GGGGGGGGGGGGGGGGGGGG"});
    // Let the bird fly toward the player, up and to the right, until it moves
    // both ways in one update.
    bool sawDiagonal = false;
    for (int i = 0; i < 200 && !sawDiagonal; ++i) {
        const SDL_Point before = enemy(0).getPosition();
        harness->step();
        const SDL_Point now = enemy(0).getPosition();
        if (now.x == before.x + 1 && now.y == before.y - 1) {
            sawDiagonal = true;
            EXPECT_EQ(enemy(0).getFacing(), 0);
        }
    }
    EXPECT_TRUE(sawDiagonal);
}

TEST_F(EnemyTest, ThreeBulletsKillAndTwoLeaveThirty) {
    load({"....................", "....................", "..D.......D.........",
          "GGGGGGGGGGGGGGGGGGGG"});
    TileMap& map = harness->level().getTileMap();
    for (int hits = 1; hits <= 3; ++hits) {
        const SDL_Point at = enemy(0).getPosition();
        Bullet bullet(harness->window().renderer(), "assets/sprites/bullet.bmp", at.x, at.y, 1,
                      &map);
        std::vector<Character*> enemies{&enemy(0), &enemy(1)};
        EXPECT_TRUE(bullet.hitEnemies(enemies));
        if (hits == 2) {
            EXPECT_EQ(enemy(0).getHealth(), 30);
        }
    }
    EXPECT_TRUE(enemy(0).isDead());
    EXPECT_EQ(enemy(1).getHealth(), 100);
    harness->step();
    EXPECT_EQ(harness->level().getEnemies().size(), 1u);
}

}  // namespace

namespace {

TEST_F(EnemyTest, BirdOnThePlayerSaysSameLocationWithoutALineBreak) {
    load({"....................", "..E.................", "GGGGGGGGGGGGGGGGGGGG"});
    Player& player = *harness->level().getPlayer();
    BirdEnemy bird(harness->window().renderer(), "assets/sprites/birdenemy/bird_anim_1.bmp",
                   player.getPosition().x, player.getPosition().y, &harness->level().getTileMap());
    testing::internal::CaptureStdout();
    bird.chase(player);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "SAME LOCATION");
    // Same cell: the outputs stay as they were (the start position), so it does not move.
    EXPECT_EQ(bird.getPosition().x, player.getPosition().x);
}

}  // namespace
