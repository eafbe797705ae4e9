#include "tools/levelcheck/MoveSimulator.h"

#include "game/characters/Player.h"
#include "game/world/LevelPlay.h"
#include "game/world/TileMap.h"

namespace {
// The player's step adds this on top of the shared gravity while falling slower
// than the terminal speed, so the player falls twice as fast as a walker.
constexpr float kExtraGravity = 0.5f;
constexpr float kTerminalFallSpeed = 8.0f;
// The down key steps the player one pixel down, through a platform's top row.
constexpr int kStepDown = 1;

bool pressesJump(Move move) {
    return move == Move::Jump || move == Move::RightJump || move == Move::LeftJump;
}

int horizontalOf(Move move) {
    if (move == Move::Right || move == Move::RightJump) {
        return LevelPlay::kPlayerSpeed;
    }
    if (move == Move::Left || move == Move::LeftJump) {
        return -LevelPlay::kPlayerSpeed;
    }
    return 0;
}
}  // namespace

MoveSimulator::MoveSimulator(Player& player, const TileMap* map_) : subject(player), map(map_) {}

bool MoveSimulator::mayStepDown(const PlayerState& state) const {
    if (map == nullptr) {
        return true;
    }
    const int feet = state.y + subject.getHeight();
    return feet % LevelPlay::kCellSize == 0 &&
           (map->isPlatform(state.x, feet) || map->isPlatform(state.x + subject.getWidth(), feet));
}

void MoveSimulator::place(const PlayerState& state) {
    subject.setPosition(state.x, state.y);
    subject.setVelocityY(state.velocityY);
}

PlayerState MoveSimulator::current() const {
    const SDL_Point p = subject.getPosition();
    return PlayerState{p.x, p.y, subject.getVelocityY()};
}

bool MoveSimulator::step(const PlayerState& from, Move move, PlayerState& to) {
    place(from);
    const int dx = horizontalOf(move);
    if (dx != 0) {
        subject.move(dx, 0);
    }
    if (pressesJump(move)) {
        const float before = subject.getVelocityY();
        subject.jump(LevelPlay::kJumpSpeed);
        if (subject.getVelocityY() == before) {
            return false;
        }
    }
    if (move == Move::Down) {
        subject.move(0, kStepDown);
    }
    subject.applyGravity();
    if (subject.getVelocityY() < kTerminalFallSpeed) {
        subject.setVelocityY(subject.getVelocityY() + kExtraGravity);
    }
    to = current();
    return true;
}
