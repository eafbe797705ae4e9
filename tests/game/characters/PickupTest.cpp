#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "game/characters/Pickup.h"
#include "game/characters/Player.h"
#include "tests/game/support/LevelHarness.h"
#include "tests/game/support/TestLevels.h"
#include "tests/support/ScratchFolder.h"

using testsupport::LevelHarness;
using testsupport::ScratchFolder;

namespace {

class PickupTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.linkRepositoryAssetsExceptBestTimes();
        folder.writeFile("level.txt",
                         testsupport::levelText({"....................", "..E.................",
                                                 "GGGGGGGGGGGGGGGGGGGG"}));
        harness = std::make_unique<LevelHarness>();
        harness->loadLevelFile("level.txt");
        player = harness->level().getPlayer();
        for (int i = 0; i < 30; ++i) {
            harness->step();
        }
        Mix_HaltChannel(-1);
    }
    // A pickup whose box has its top-left corner at (x, y).
    std::unique_ptr<Pickup> make(int kind, const char* bitmap, int x, int y) {
        return std::make_unique<Pickup>(harness->window().renderer(), bitmap, x, y,
                                        &harness->level().getTileMap(), kind, &harness->audio());
    }
    ScratchFolder folder;
    std::unique_ptr<LevelHarness> harness;
    Player* player = nullptr;
};

TEST_F(PickupTest, ACoinAddsOneHundredOnceWithItsSound) {
    const SDL_Point p = player->getPosition();
    auto coin = make(Pickup::kCoin, "assets/sprites/coin.bmp", p.x, p.y);
    coin->update(player);
    EXPECT_TRUE(coin->isCollected());
    EXPECT_EQ(player->getScore(), 100);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(PickupTest, AttackChargeAddsFiveAndHealthPackHealsToTheCap) {
    const SDL_Point p = player->getPosition();
    player->adjustHealth(-10);
    auto pack = make(Pickup::kHealthPack, "assets/sprites/healthPack.bmp", p.x, p.y);
    EXPECT_TRUE(pack->tryCollect(*player));
    EXPECT_EQ(player->getHealth(), 100);  // 90 + 20 is capped
    auto charge = make(Pickup::kAttackCharge, "assets/sprites/attackCharge.bmp", p.x, p.y);
    EXPECT_TRUE(charge->tryCollect(*player));
    EXPECT_EQ(player->getCharges(), 10);
    // Taken even at full health.
    auto second = make(Pickup::kHealthPack, "assets/sprites/healthPack.bmp", p.x, p.y);
    EXPECT_TRUE(second->tryCollect(*player));
}

TEST_F(PickupTest, TouchingEdgesCountAndAGapDoesNot) {
    const SDL_Point p = player->getPosition();
    const int pw = player->getWidth();
    auto touching = make(Pickup::kCoin, "assets/sprites/coin.bmp", p.x + pw, p.y);
    EXPECT_TRUE(touching->tryCollect(*player));
    auto apart = make(Pickup::kCoin, "assets/sprites/coin.bmp", p.x + pw + 1, p.y);
    EXPECT_FALSE(apart->tryCollect(*player));
    apart->update(nullptr);  // no player: drawn, never collected
    EXPECT_FALSE(apart->isCollected());
}

}  // namespace
