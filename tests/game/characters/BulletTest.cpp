#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "game/characters/Bullet.h"
#include "game/characters/Character.h"
#include "game/shell/FrameTime.h"
#include "game/world/TileMap.h"
#include "tests/game/world/TileMapFixture.h"

namespace {

constexpr int kBulletWidth = 8;
constexpr int kBulletHeight = 4;
constexpr SDL_Color kLeftColour{255, 255, 0, 255};
constexpr SDL_Color kRightColour{0, 255, 255, 255};

class BulletTest : public worldtest::TileMapFixture {
protected:
    BulletTest() {
        // Two colours side by side, so a mirrored draw shows.
        worldtest::writeBitmap("bullet.bmp", kBulletWidth, kBulletHeight, [](int x, int) {
            return x < kBulletWidth / 2 ? kLeftColour : kRightColour;
        });
        worldtest::writeSolidBitmap("enemy.bmp", 20, 30, SDL_Color{90, 90, 90, 255});
        deltaTime = 0.016;
    }

    std::unique_ptr<Bullet> fire(TileMap* map, int x, int y, int facing) {
        return std::make_unique<Bullet>(renderer(), "bullet.bmp", x, y, facing, map);
    }
    std::unique_ptr<Character> enemy(int x, int y) {
        return std::make_unique<Character>(renderer(), "enemy.bmp", x, y, nullptr,
                                           Character::kWalkingEnemy);
    }
};

TEST_F(BulletTest, FliesEightPixelsAlongItsFacingAndDrawsUnmirrored) {
    auto map = makeMap({std::string(40, '.')});
    map->updateCamera(336, 0);
    auto left = fire(map.get(), 200, 100, 0);
    window.clear(0, 0, 0);
    left->update();
    EXPECT_EQ(left->getPosition().x, 192);
    EXPECT_EQ(left->getPosition().y, 100);
    EXPECT_TRUE(pixelIs(176, 100, kLeftColour));
    EXPECT_TRUE(pixelIs(183, 103, kRightColour));
    auto right = fire(map.get(), 200, 100, 1);
    right->update();
    EXPECT_EQ(right->getPosition().x, 208);
    EXPECT_FALSE(left->isDead());
    EXPECT_EQ(left->getDamage(), 35);
}

TEST_F(BulletTest, IsSpentWhenItsLifetimeFirstDropsBelowZero) {
    auto map = makeMap({});
    auto b = fire(map.get(), 0, 0, 1);
    for (int i = 0; i < 93; ++i) {
        b->update();
        ASSERT_FALSE(b->isDead()) << "update " << i + 1;
    }
    b->update();
    EXPECT_TRUE(b->isDead());
    EXPECT_EQ(b->getPosition().x, 94 * 8);
}

TEST_F(BulletTest, HitsWallsAtItsTopLeftAndJustPastItsTopRight) {
    auto map = makeMap({"....", "G..G", "G..G"});
    // After the move x + w reaches the wall at 96.
    auto reaching = fire(map.get(), 96 - kBulletWidth - 8, 40, 1);
    reaching->update();
    EXPECT_TRUE(reaching->isDead());
    auto stopsShort = fire(map.get(), 96 - kBulletWidth - 9, 40, 1);
    stopsShort->update();
    EXPECT_FALSE(stopsShort->isDead());
    // Flying left, the top-left pixel enters the wall at 31.
    auto leftward = fire(map.get(), 40, 40, 0);
    leftward->update();
    EXPECT_FALSE(leftward->isDead());
    leftward->update();
    EXPECT_TRUE(leftward->isDead());
    // Only the top row is probed: a bullet reaching into the wall row from above passes.
    auto high = fire(map.get(), 96 - kBulletWidth - 8, 32 - kBulletHeight + 1, 1);
    high->update();
    EXPECT_FALSE(high->isDead());
    auto far = fire(map.get(), INT_MAX - 3, INT_MIN, 1);
    far->update();
    EXPECT_EQ(far->getPosition().x, INT_MAX);
}

TEST_F(BulletTest, DamagesOnlyTheFirstOverlappingEnemy) {
    auto first = enemy(100, 100);
    auto second = enemy(105, 100);
    auto apart = enemy(300, 100);
    auto b = fire(nullptr, 110, 100, 1);
    EXPECT_FALSE(b->hitEnemies({apart.get()}));
    EXPECT_FALSE(b->isDead());
    EXPECT_FALSE(b->hitEnemies({}));
    EXPECT_TRUE(b->hitEnemies({apart.get(), first.get(), second.get()}));
    EXPECT_TRUE(b->isDead());
    EXPECT_EQ(first->getHealth(), 65);
    EXPECT_EQ(second->getHealth(), 100);
    EXPECT_EQ(apart->getHealth(), 100);
}

TEST_F(BulletTest, TouchingCountsAndTheThirdHitKills) {
    auto target = enemy(100, 100);  // 20 x 30
    // Just touching on the right (x = ex + ew) and below (y = ey + eh); a pixel above misses.
    EXPECT_TRUE(fire(nullptr, 120, 100, 1)->hitEnemies({target.get()}));
    EXPECT_FALSE(fire(nullptr, 121, 100, 1)->hitEnemies({target.get()}));
    EXPECT_TRUE(fire(nullptr, 100, 130, 1)->hitEnemies({target.get()}));
    EXPECT_FALSE(fire(nullptr, 100, 131, 1)->hitEnemies({target.get()}));
    EXPECT_FALSE(fire(nullptr, 100, 99 - kBulletHeight, 1)->hitEnemies({target.get()}));
    EXPECT_EQ(target->getHealth(), 30);
    EXPECT_FALSE(target->isDead());
    // Touching on the left (x + w = ex).
    EXPECT_FALSE(fire(nullptr, 100 - kBulletWidth - 1, 100, 1)->hitEnemies({target.get()}));
    EXPECT_TRUE(fire(nullptr, 100 - kBulletWidth, 100, 1)->hitEnemies({target.get()}));
    EXPECT_EQ(target->getHealth(), -5);
    EXPECT_TRUE(target->isDead());
    // A spent bullet still hits, and a dead enemy still absorbs it.
    auto spent = fire(nullptr, 100, 100, 1);
    spent->hitEnemies({target.get()});
    EXPECT_TRUE(spent->hitEnemies({target.get()}));
    EXPECT_EQ(target->getHealth(), -75);
}

}  // namespace
