#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "game/characters/Bullet.h"
#include "game/characters/Player.h"
#include "game/world/Hud.h"
#include "tests/game/support/LevelHarness.h"
#include "tests/game/support/TestLevels.h"
#include "tests/support/ScratchFolder.h"

using testsupport::LevelHarness;
using testsupport::levelText;
using testsupport::ScratchFolder;

namespace {

// Flat ground along row 5; the player starts at column 2 of row 4.
const std::vector<std::string> kFlat = {
    "..............................", "..............................",
    "..............................", "..............................",
    "..E...........................", "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
};

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.linkRepositoryAssetsExceptBestTimes();
        folder.writeFile("flat.txt", levelText(kFlat));
        harness = std::make_unique<LevelHarness>();
        harness->loadLevelFile("flat.txt");
        ASSERT_NE(player(), nullptr);
    }
    Player* player() { return harness->level().getPlayer(); }
    // Lets the player fall onto the ground and settle.
    void settle() {
        for (int i = 0; i < 40; ++i) {
            harness->step();
        }
    }
    ScratchFolder folder;
    std::unique_ptr<LevelHarness> harness;
};

TEST_F(PlayerTest, StandsWithItsFeetOnTheGround) {
    settle();
    const int groundTop = 5 * 32;
    EXPECT_EQ(player()->getPosition().y + player()->getHeight(), groundTop);
    const int y = player()->getPosition().y;
    settle();
    EXPECT_EQ(player()->getPosition().y, y);
}

TEST_F(PlayerTest, JumpRisesExactly136PixelsAndLandsOnTheSameRow) {
    settle();
    const int ground = player()->getPosition().y;
    harness->keyDown(KeyZ);
    int highest = ground;
    for (int i = 0; i < 80; ++i) {
        harness->step();
        highest = std::min(highest, player()->getPosition().y);
    }
    EXPECT_EQ(ground - highest, 136);
    EXPECT_EQ(player()->getPosition().y, ground);
}

TEST_F(PlayerTest, HeldZJumpsOnceAndRightMovesThreePixelsPerStep) {
    settle();
    const int ground = player()->getPosition().y;
    harness->keyDown(KeyZ);
    for (int i = 0; i < 80; ++i) {
        harness->step();
    }
    // Still holding z after landing: no second jump.
    for (int i = 0; i < 20; ++i) {
        harness->step();
        EXPECT_EQ(player()->getPosition().y, ground);
    }
    harness->keyUp(KeyZ);
    harness->keyDown(KeyRight);
    for (int i = 0; i < 10; ++i) {
        const int x = player()->getPosition().x;
        harness->step();
        EXPECT_EQ(player()->getPosition().x, x + 3);
    }
}

TEST_F(PlayerTest, FiresOncePerPermissionAndOnlyWithCharges) {
    // No permission in the first 0.2 s.
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(player()->fire(), nullptr);
        harness->step();
    }
    harness->step();  // 13 steps of 16 ms pass 0.2 s
    ASSERT_TRUE(player()->canFireNow());
    auto first = player()->fire();
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(player()->fire(), nullptr);  // second press in the same period
    EXPECT_EQ(player()->getCharges(), 4);
    // Spend the rest, one per permission.
    int spent = 0;
    for (int step = 0; step < 100 && spent < 4; ++step) {  // 4 permissions take 52 steps
        harness->step();
        if (player()->fire() != nullptr) {
            ++spent;
        }
    }
    ASSERT_EQ(spent, 4);
    EXPECT_EQ(player()->getCharges(), 0);
    for (int i = 0; i < 20; ++i) {
        harness->step();
    }
    EXPECT_TRUE(player()->canFireNow());
    EXPECT_EQ(player()->fire(), nullptr);
    EXPECT_TRUE(player()->canFireNow());  // a refused shot costs nothing
    player()->addCharges(5);
    EXPECT_NE(player()->fire(), nullptr);
    EXPECT_EQ(player()->getCharges(), 4);
}

TEST_F(PlayerTest, BulletStartsAtTheTopLeftAlongTheFacing) {
    for (int i = 0; i < 13; ++i) {
        harness->step();
    }
    player()->move(-3, 0);  // face left
    const SDL_Point at = player()->getPosition();
    auto bullet = player()->fire();
    ASSERT_NE(bullet, nullptr);
    EXPECT_EQ(bullet->getPosition().x, at.x);
    EXPECT_EQ(bullet->getPosition().y, at.y);
    bullet->update();
    EXPECT_EQ(bullet->getPosition().x, at.x - 8);
}

TEST_F(PlayerTest, ProtectionLimitsDamageAndThePlayerBlinks) {
    settle();
    Mix_HaltChannel(-1);
    player()->adjustHealth(-25);
    EXPECT_EQ(Mix_Playing(-1), 1);  // the hurt sound
    player()->adjustHealth(-25);
    EXPECT_EQ(player()->getHealth(), 75);
    EXPECT_EQ(Mix_Playing(-1), 1);
    // Healing is not blocked by the protection.
    player()->adjustHealth(20);
    EXPECT_EQ(player()->getHealth(), 95);
    player()->adjustHealth(20);
    EXPECT_EQ(player()->getHealth(), 100);
    // Drawn on blink updates 8, 16, 24 only.
    std::vector<int> drawnOn;
    for (int update = 1; update <= 30 && !player()->isVulnerable(); ++update) {
        const int before = player()->getDrawCount();
        harness->step();
        if (player()->getDrawCount() > before) {
            drawnOn.push_back(update);
        }
    }
    EXPECT_EQ(drawnOn, (std::vector<int>{8, 16, 24}));
}

TEST_F(PlayerTest, FourHitsHalfASecondApartKill) {
    settle();
    for (int hit = 0; hit < 4; ++hit) {
        EXPECT_FALSE(player()->isDead());
        player()->adjustHealth(-25);
        for (int i = 0; i < 32; ++i) {  // 0.512 s
            harness->step();
            if (player()->isDead()) {
                break;
            }
        }
    }
    EXPECT_TRUE(player()->isDead());
    EXPECT_EQ(player()->getHealth(), 0);
    ASSERT_FALSE(harness->ends().empty());
    EXPECT_EQ(harness->ends().front().outcome, 0);
}

TEST_F(PlayerTest, TimerFollowsDeltaTime) {
    for (int i = 0; i < 100; ++i) {
        harness->step();
    }
    EXPECT_NEAR(player()->getTime(), 1.6f, 1e-4);
}

}  // namespace
