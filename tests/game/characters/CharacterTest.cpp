#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/characters/Character.h"
#include "game/shell/FrameTime.h"
#include "game/world/TileMap.h"
#include "tests/game/world/TileMapFixture.h"

using worldtest::writeBitmap;
using worldtest::writeSolidBitmap;

namespace {

using Position = std::pair<int, int>;

Position positionOf(const Character& c) {
    return {c.getPosition().x, c.getPosition().y};
}

// Frame sizes of the test characters.
constexpr int kBoxWidth = 20;
constexpr int kBoxHeight = 30;
constexpr SDL_Color kRed{255, 0, 0, 255};
constexpr SDL_Color kBlue{0, 0, 255, 255};

class CharacterTest : public worldtest::TileMapFixture {
protected:
    CharacterTest() {
        // Left half red, right half blue, so mirroring shows.
        writeBitmap("frame1.bmp", kBoxWidth, kBoxHeight,
                    [](int x, int) { return x < kBoxWidth / 2 ? kRed : kBlue; });
        writeSolidBitmap("frame2.bmp", kBoxWidth, kBoxHeight, kBlue);
        writeSolidBitmap("frame3.bmp", 24, 32, kRed);
        writeSolidBitmap("tall.bmp", kBoxWidth, 32, kRed);
        deltaTime = 0.016;
    }

    std::unique_ptr<Character> spawn(TileMap* map, int x, int y, int kind = Character::kPlayerKind,
                                     const std::string& frame = "frame1.bmp") {
        return std::make_unique<Character>(renderer(), frame, x, y, map, kind);
    }

    // The player's step adds a second half pixel of speed after gravity.
    static void playerFall(Character& c) {
        c.applyGravity();
        if (c.getVelocityY() < 8.0f) {
            c.setVelocityY(c.getVelocityY() + 0.5f);
        }
    }

    // Runs the timer out so the next move shows the next frame.
    static void expireFrameTimer(Character& c) {
        deltaTime = 0.05;
        c.tickAnimation();
        deltaTime = 0.016;
    }
};

const std::vector<std::string> kGroundAtRow3{"....", "....", "....", "GGGG"};

TEST_F(CharacterTest, FallsOnePixelOnceBlockedThenStaysOnTheGround) {
    auto map = makeMap(kGroundAtRow3);
    // Feet 5 pixels above the ground's top row (96).
    auto c = spawn(map.get(), 40, 96 - kBoxHeight - 5, Character::kWalkingEnemy);
    c->setVelocityY(8.0f);
    c->applyGravity();
    EXPECT_EQ(c->getPosition().y, 62);
    EXPECT_EQ(c->getVelocityY(), 0.0f);
    // Speed builds up by 0.5 per call and each whole pixel that fits is taken.
    const int expected[] = {62, 63, 64, 66, 66, 66};
    for (int y : expected) {
        c->applyGravity();
        EXPECT_EQ(c->getPosition().y, y);
    }
    for (int i = 0; i < 100; ++i) {
        c->applyGravity();
        ASSERT_EQ(c->getPosition().y, 96 - kBoxHeight);
        ASSERT_LE(c->getVelocityY(), 1.5f);
    }
}

TEST_F(CharacterTest, LandsOnAPlatformTopAndSinksThroughAfterAStepDown) {
    auto map = makeMap({"....", "....", "....", ".PP.", "....", "....", "GGGG"});
    auto c = spawn(map.get(), 40, 0);
    for (int i = 0; i < 60; ++i) {
        playerFall(*c);
    }
    ASSERT_EQ(c->getPosition().y + kBoxHeight, 96);
    c->move(0, 1);
    EXPECT_EQ(c->getPosition().y + kBoxHeight, 97);
    EXPECT_EQ(c->getFacing(), 0);
    // One pixel per step until the feet reach the cell's last pixel row, where a
    // platform no longer holds them.
    for (int feet = 98; feet <= 127; ++feet) {
        playerFall(*c);
        ASSERT_EQ(c->getPosition().y + kBoxHeight, feet);
    }
    for (int i = 0; i < 60; ++i) {
        playerFall(*c);
    }
    EXPECT_EQ(c->getPosition().y + kBoxHeight, 192);
}

TEST_F(CharacterTest, RisesThroughPlatformsAndLandsOnTheirEdgeProbe) {
    // x + w probes one pixel right of the box: a box ending at x 31 stands on P at 32.
    auto map = makeMap({"....", ".P..", "....", "GGGG"});
    auto c = spawn(map.get(), 32 - kBoxWidth, -kBoxHeight);
    for (int i = 0; i < 60; ++i) {
        playerFall(*c);
    }
    EXPECT_EQ(c->getPosition().y + kBoxHeight, 32);
    // Rising ends with the feet inside the platform row: not blocked.
    auto riser = spawn(map.get(), 40, 70);
    riser->setVelocityY(-40.0f);
    riser->applyGravity();
    EXPECT_EQ(riser->getPosition().y, 31);
}

TEST_F(CharacterTest, JumpsOnlyFromACellBoundaryWithAFreeHead) {
    auto map = makeMap({"....", "....", "....", "GPG.", "...."});
    auto onGround = spawn(map.get(), 0, 96 - kBoxHeight);
    onGround->jump(17.0f);
    EXPECT_EQ(onGround->getVelocityY(), -17.0f);
    auto onPlatform = spawn(map.get(), 40, 96 - kBoxHeight);
    onPlatform->jump(17.0f);
    EXPECT_EQ(onPlatform->getVelocityY(), -17.0f);
    auto oneAbove = spawn(map.get(), 0, 95 - kBoxHeight);
    oneAbove->jump(17.0f);
    EXPECT_EQ(oneAbove->getVelocityY(), 0.0f);
    auto inAir = spawn(map.get(), 100, 96 - kBoxHeight);
    inAir->jump(17.0f);
    EXPECT_EQ(inAir->getVelocityY(), 0.0f);

    auto ceiling = makeMap({"....", "G...", "....", "GGGG"});
    auto underCeiling = spawn(ceiling.get(), 0, 64, Character::kPlayerKind, "tall.bmp");
    underCeiling->jump(17.0f);
    EXPECT_EQ(underCeiling->getVelocityY(), 0.0f);
    auto free = spawn(ceiling.get(), 40, 64, Character::kPlayerKind, "tall.bmp");
    free->jump(17.0f);
    EXPECT_EQ(free->getVelocityY(), -17.0f);
}

TEST_F(CharacterTest, AJumpWithThePlayersGravityRises136Pixels) {
    auto map = makeMap(kGroundAtRow3);
    auto c = spawn(map.get(), 40, 96 - kBoxHeight);
    c->jump(17.0f);
    int highest = c->getPosition().y;
    for (int i = 0; i < 80; ++i) {
        playerFall(*c);
        highest = std::min(highest, c->getPosition().y);
    }
    EXPECT_EQ(highest, 96 - kBoxHeight - 136);
    EXPECT_EQ(c->getPosition().y, 96 - kBoxHeight);
}

TEST_F(CharacterTest, ACeilingStopsTheRiseAndNudgesThePlayerDown) {
    auto map = makeMap({"....", "GGGG", "....", "....", "...."});
    auto player = spawn(map.get(), 40, 69);
    player->addFrame("frame2.bmp");
    expireFrameTimer(*player);
    player->setVelocityY(-17.0f);
    player->applyGravity();
    EXPECT_EQ(player->getPosition().y, 70);
    EXPECT_EQ(player->getVelocityY(), 0.0f);
    EXPECT_EQ(player->getFrameIndex(), 1);
    // A one-pixel gap is not a free offset.
    auto tight = spawn(map.get(), 40, 65);
    tight->setVelocityY(-17.0f);
    tight->applyGravity();
    EXPECT_EQ(tight->getPosition().y, 65);
    EXPECT_EQ(tight->getVelocityY(), 0.0f);
    // Other kinds keep rising speed and place.
    auto enemy = spawn(map.get(), 40, 69, Character::kWalkingEnemy);
    enemy->setVelocityY(-17.0f);
    enemy->applyGravity();
    EXPECT_EQ(enemy->getPosition().y, 69);
    EXPECT_EQ(enemy->getVelocityY(), -16.5f);
}

TEST_F(CharacterTest, MovesBackOffFromWallsPixelByPixel) {
    auto map = makeMap({"G..G", "....", "....", "GGGG"});
    // Three free pixels (93, 94, 95) between the box and the wall at 96.
    auto c = spawn(map.get(), 96 - kBoxWidth - 3, 0);
    c->addFrame("frame2.bmp");
    expireFrameTimer(*c);
    c->move(5, 0);
    EXPECT_EQ(c->getPosition().x, 76);
    EXPECT_EQ(c->getFacing(), 1);
    EXPECT_EQ(c->getFrameIndex(), 1);
    // Touching the wall: stays, yet the run cycle plays on.
    expireFrameTimer(*c);
    c->move(5, 0);
    EXPECT_EQ(c->getPosition().x, 76);
    EXPECT_EQ(c->getFrameIndex(), 0);

    auto left = spawn(map.get(), 34, 0);
    left->move(-5, 0);
    EXPECT_EQ(left->getPosition().x, 32);
    EXPECT_EQ(left->getFacing(), 0);
    left->move(-5, 1);
    EXPECT_EQ(positionOf(*left), (Position{32, 0}));
}

TEST_F(CharacterTest, BlockedDiagonalsAndVerticalMoves) {
    auto map = makeMap(kGroundAtRow3);
    auto c = spawn(map.get(), 40, 96 - kBoxHeight);
    c->move(3, -2);
    EXPECT_EQ(positionOf(*c), (Position{43, 96 - kBoxHeight - 2}));
    c->move(0, 2);
    ASSERT_EQ(c->getPosition().y, 96 - kBoxHeight);
    c->move(1, 0);
    ASSERT_EQ(c->getFacing(), 1);
    c->move(0, 1);
    EXPECT_EQ(c->getFacing(), 0);
    EXPECT_EQ(positionOf(*c), (Position{44, 96 - kBoxHeight}));
    c->move(-3, 2);
    EXPECT_EQ(positionOf(*c), (Position{41, 96 - kBoxHeight}));
    // Stuck inside a wall nothing changes, not even the frame.
    auto stuck = spawn(map.get(), 40, 90);
    stuck->addFrame("frame2.bmp");
    expireFrameTimer(*stuck);
    stuck->move(3, 0);
    stuck->move(-3, 0);
    EXPECT_EQ(positionOf(*stuck), (Position{40, 90}));
    EXPECT_EQ(stuck->getFrameIndex(), 0);
}

TEST_F(CharacterTest, CollisionTestsTheFourCornersOnly) {
    auto map = makeMap({"....", ".G..", "...."});
    auto c = spawn(map.get(), 0, 0, Character::kPlayerKind, "frame3.bmp");  // 24 x 32
    EXPECT_FALSE(c->collidesAt(8, 0));
    EXPECT_TRUE(c->collidesAt(9, 1));
    EXPECT_TRUE(c->collidesAt(63, 63));
    EXPECT_FALSE(c->collidesAt(64, 63));
    EXPECT_FALSE(c->collidesAt(40, 64));
    // A wall cell narrower than the box between its corners is not seen.
    auto wide = makeMap({"....", "..G.", "...."});
    writeSolidBitmap("wide.bmp", 80, 20, kRed);
    auto box = spawn(wide.get(), 0, 0, Character::kPlayerKind, "wide.bmp");
    EXPECT_FALSE(box->collidesAt(40, 40));
    EXPECT_TRUE(box->collidesAt(64, 40));
}

TEST_F(CharacterTest, OverlapIsInclusiveOverTheRowsEachBoxCovers) {
    auto map = makeMap({});
    writeSolidBitmap("thin.bmp", 10, 40, kRed);
    auto c = spawn(map.get(), 100, 100);                                        // 20 x 30
    auto other = spawn(map.get(), 0, 0, Character::kWalkingEnemy, "thin.bmp");  // 10 x 40
    const auto overlapsAt = [&](int ox, int oy) {
        other->setPosition(ox, oy);
        return c->overlaps(*other);
    };
    EXPECT_TRUE(overlapsAt(90, 100));
    EXPECT_FALSE(overlapsAt(89, 100));
    EXPECT_TRUE(overlapsAt(120, 100));
    EXPECT_FALSE(overlapsAt(121, 100));
    // Vertically each box covers y to y + h.
    EXPECT_TRUE(overlapsAt(100, 60));
    EXPECT_FALSE(overlapsAt(100, 59));
    EXPECT_TRUE(overlapsAt(100, 130));
    EXPECT_FALSE(overlapsAt(100, 131));
    other->setPosition(INT_MIN, INT_MAX);
    c->setPosition(INT_MAX, INT_MIN);
    EXPECT_FALSE(c->overlaps(*other));
}

TEST_F(CharacterTest, HealthIsCappedWhileAliveAndDeathSticks) {
    auto c = spawn(nullptr, 0, 0);
    c->changeHealth(-20);
    c->changeHealth(50);
    EXPECT_EQ(c->getHealth(), 100);
    EXPECT_FALSE(c->isDead());
    c->changeHealth(-100);
    EXPECT_EQ(c->getHealth(), 0);
    EXPECT_TRUE(c->isDead());
    c->changeHealth(-30);
    EXPECT_EQ(c->getHealth(), -30);
    c->changeHealth(500);
    EXPECT_EQ(c->getHealth(), 100);
    EXPECT_TRUE(c->isDead());
    c->changeHealth(INT_MAX);
    EXPECT_EQ(c->getHealth(), 100);
    c->changeHealth(INT_MIN);
    c->changeHealth(INT_MIN);
    EXPECT_EQ(c->getHealth(), INT_MIN);
}

TEST_F(CharacterTest, AnimationAdvancesOnlyAfterTheTimerRunsOut) {
    auto c = spawn(nullptr, 0, 0);
    c->addFrame("frame2.bmp");
    c->addFrame("frame3.bmp");
    ASSERT_EQ(c->frameCount(), 3);
    c->advanceAnimation();
    EXPECT_EQ(c->getFrameIndex(), 0);
    // A timer at exactly 0 has not run out yet.
    deltaTime = static_cast<double>(0.03f);
    c->tickAnimation();
    c->advanceAnimation();
    EXPECT_EQ(c->getFrameIndex(), 0);
    deltaTime = -0.03;
    c->tickAnimation();
    deltaTime = 0.016;
    c->tickAnimation();
    c->advanceAnimation();
    EXPECT_EQ(c->getFrameIndex(), 0);
    c->tickAnimation();
    c->advanceAnimation();
    EXPECT_EQ(c->getFrameIndex(), 1);
    c->advanceAnimation();
    EXPECT_EQ(c->getFrameIndex(), 1);
    // The box takes the size of the current frame.
    expireFrameTimer(*c);
    c->advanceAnimation();
    EXPECT_EQ(c->getFrameIndex(), 2);
    EXPECT_EQ(c->getWidth(), 24);
    EXPECT_EQ(c->getHeight(), 32);
    expireFrameTimer(*c);
    c->advanceAnimation();
    EXPECT_EQ(c->getFrameIndex(), 0);
    EXPECT_EQ(c->getWidth(), kBoxWidth);
}

TEST_F(CharacterTest, DrawsThroughTheCameraMirroredWhenFacingLeft) {
    auto map = makeMap({std::string(40, '.')});
    map->updateCamera(336, 0);
    ASSERT_EQ(map->getCameraX(), 16);
    auto c = spawn(map.get(), 100, 50);
    window.clear(0, 0, 0);
    c->update(nullptr);
    EXPECT_TRUE(pixelIs(84, 50, kRed));
    EXPECT_TRUE(pixelIs(103, 79, kBlue));
    EXPECT_TRUE(pixelIs(104, 50, SDL_Color{0, 0, 0, 255}));
    c->move(-1, 0);
    window.clear(0, 0, 0);
    c->draw();
    EXPECT_TRUE(pixelIs(83, 50, kBlue));
    EXPECT_TRUE(pixelIs(102, 50, kRed));
}

TEST_F(CharacterTest, ExtremeValuesSaturateAndAMissingMapIsOpenSpace) {
    auto loose = spawn(nullptr, 0, 0);
    for (int i = 0; i < 20; ++i) {
        loose->applyGravity();
    }
    EXPECT_GT(loose->getPosition().y, 0);
    loose->jump(17.0f);
    loose->draw();

    auto map = makeMap(kGroundAtRow3);
    auto c = spawn(map.get(), INT_MAX - 5, INT_MAX - 5);
    c->move(100, 100);
    EXPECT_EQ(positionOf(*c), (Position{INT_MAX, INT_MAX}));
    c->setVelocityY(1e30f);
    c->applyGravity();
    c->setPosition(INT_MIN + 3, INT_MIN + 3);
    c->move(-100, -100);
    EXPECT_EQ(positionOf(*c), (Position{INT_MIN, INT_MIN}));
    c->setVelocityY(-1e30f);
    c->applyGravity();
    c->jump(1e30f);
    c->setVelocityY(std::nanf(""));
    c->applyGravity();
    EXPECT_EQ(positionOf(*c), (Position{INT_MIN, INT_MIN}));
    c->draw();
    EXPECT_FALSE(c->collidesAt(INT_MAX, INT_MAX));
}

}  // namespace
