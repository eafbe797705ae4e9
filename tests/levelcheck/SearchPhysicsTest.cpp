// The search must move the player exactly as the game does, and remember every
// state it has seen without mixing up neighbours.
#include <random>
#include <string>
#include <vector>

#include "game/characters/Pickup.h"
#include "game/characters/Player.h"
#include "game/media/Sprite.h"
#include "game/world/LevelPlay.h"
#include "tests/game/support/ReplayScript.h"
#include "tests/game/support/TestLevels.h"
#include "tests/levelcheck/LevelCheckFixture.h"
#include "tools/levelcheck/RouteReplay.h"
#include "tools/levelcheck/RouteTargets.h"
#include "tools/levelcheck/VisitedSet.h"

namespace levelchecktest {
namespace {

// Walls, ceilings, a low gap and platforms at several heights.
const std::vector<std::string> kCourse = {
    "GGGGGGGGGGGGGGGGGGGGGGGGG", "G.......................G", "G.......PPPP............G",
    "G...............GG......G", "G....PPP........GG..PPP.G", "G.E.....GG..............G",
    "G.......GG.....PPPP.....G", "GGGGGGGGGGGGGGGGGGGGGGGGG",
};

Move withoutJump(Move move) {
    switch (move) {
        case Move::RightJump:
            return Move::Right;
        case Move::LeftJump:
            return Move::Left;
        case Move::Jump:
            return Move::Stand;
        default:
            return move;
    }
}

using SearchPhysicsTest = LevelCheckFixture;

TEST_F(SearchPhysicsTest, SimulatedStepsMatchTheGameStepForStep) {
    folder.writeFile("level.txt", testsupport::levelText(kCourse));
    harness->loadLevelFile("level.txt");
    RouteReplay model(harness->window().renderer(), "level.txt");
    MoveSimulator simulator(*model.levelPlay().getPlayer());
    Player& real = *harness->level().getPlayer();
    PlayerState state = simulator.current();

    std::mt19937 random(2024);
    const int kSteps = 4000;
    int jumps = 0;
    int drops = 0;
    for (int i = 0; i < kSteps; ++i) {
        const Move move = kAllMoves[random() % std::size(kAllMoves)];
        PlayerState next;
        if (!simulator.step(state, move, next)) {
            simulator.step(state, withoutJump(move), next);
        } else {
            jumps += move != withoutJump(move) ? 1 : 0;
        }
        drops += move == Move::Down && next.y > state.y ? 1 : 0;
        harness->run(testsupport::ReplayScript::parse(RouteReplay::format({move})));
        state = next;
        const SDL_Point p = real.getPosition();
        ASSERT_EQ(p.x, state.x) << "step " << i;
        ASSERT_EQ(p.y, state.y) << "step " << i;
        ASSERT_EQ(real.getVelocityY(), state.velocityY) << "step " << i;
    }
    EXPECT_GT(jumps, 50) << "the walk should jump often";
    EXPECT_GT(drops, 10) << "the walk should step down often";
}

TEST_F(SearchPhysicsTest, CoinsCountAsTouchedExactlyWhereTheGameCollectsThem) {
    const LevelCells level({"....", "..C.", "...."});
    SDL_Renderer* renderer = harness->window().renderer();
    Player player(renderer, "assets/sprites/player/player_anim_run_1.bmp", 0, 0, nullptr, nullptr);
    MoveSimulator simulator(player);
    const Sprite coinSprite(renderer, "assets/sprites/coin.bmp");
    const RouteTargets targets(level, coinSprite.getWidth(), coinSprite.getHeight(), nullptr,
                               simulator);
    for (int y = -player.getHeight() - 2; y <= 32 + coinSprite.getHeight() + 2; ++y) {
        for (int x = 64 - player.getWidth() - 2; x <= 64 + coinSprite.getWidth() + 2; ++x) {
            player.setPosition(x, y);
            Pickup coin(renderer, "assets/sprites/coin.bmp", 64, 32, nullptr, Pickup::kCoin,
                        nullptr);
            std::vector<int> touched;
            targets.coinsTouched(PlayerState{x, y, 0.0f}, touched);
            ASSERT_EQ(touched.size() == 1, coin.tryCollect(player)) << x << "," << y;
        }
    }
}

TEST(VisitedSetTest, NeighbouringStatesAreToldApartAndRememberedOnce) {
    const int kColumns = 10;
    const int kRows = 5;
    VisitedSet visited(kColumns, kRows);
    const std::vector<PlayerState> states = {
        {0, 0, 0.0f},   {1, 0, 0.0f},      {0, 1, 0.0f},      {0, 0, 0.5f},   {0, 0, -0.5f},
        {31, 31, 8.0f}, {32, 31, 8.0f},    {31, 32, 8.0f},    {-1, -1, 0.0f}, {-32, -33, -17.0f},
        {319, 159, 0},  {-200, -256, -32}, {520, 100, 31.5f}, {96, 64, 1.5f},
    };
    for (const PlayerState& s : states) {
        ASSERT_TRUE(visited.covers(s)) << s.x << "," << s.y << "," << s.velocityY;
        EXPECT_TRUE(visited.insert(s)) << s.x << "," << s.y << "," << s.velocityY;
    }
    for (const PlayerState& s : states) {
        EXPECT_FALSE(visited.insert(s)) << s.x << "," << s.y << "," << s.velocityY;
    }
    EXPECT_FALSE(visited.covers({0, kRows * 32, 0.0f})) << "below the level is lost";
    EXPECT_FALSE(visited.covers({0, -VisitedSet::kCellsAbove * 32 - 1, 0.0f}));
    EXPECT_FALSE(visited.covers({-5000, 0, 0.0f}));
    EXPECT_FALSE(visited.covers({0, 0, 0.25f})) << "speeds come in half pixels";
    EXPECT_FALSE(visited.covers({0, 0, 32.0f}));
}

}  // namespace
}  // namespace levelchecktest
