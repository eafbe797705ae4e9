#pragma once

#include <cstdint>

class Player;
class TileMap;

// What the player does in one level step: a horizontal run key held (or none),
// optionally with a fresh press of the jump key, or a press of the down key.
enum class Move : std::uint8_t { Stand, Right, Left, Jump, RightJump, LeftJump, Down };

// Every move, in the order the search tries them.
constexpr Move kAllMoves[] = {Move::Right,    Move::Left, Move::Stand, Move::RightJump,
                              Move::LeftJump, Move::Jump, Move::Down};

// What of the player matters for where it can go: the box's top-left corner and
// the vertical speed. (The animation frame does not: every run frame has the same
// size. Timers, health and facing do not change movement.)
struct PlayerState {
    int x = 0;
    int y = 0;
    float velocityY = 0.0f;
};

// Steps the level's real Player through single moves from any state, with the
// game's own collision, jump and gravity code, without drawing. The controls are
// applied in the level's order (right, left, jump, down), then the movement part
// of the player's step: the shared gravity and the player's extra half.
class MoveSimulator {
public:
    // Borrows player (each step overwrites its position and vertical speed) and
    // the map it stands in, if given, for mayStepDown.
    explicit MoveSimulator(Player& player, const TileMap* map = nullptr);

    // The state one level step after from with move. Returns false, leaving to
    // unset, when move presses jump but the jump cannot start (the step would then
    // equal the same move without the press).
    bool step(const PlayerState& from, Move move, PlayerState& to);
    // Whether a person would press Down in state: only standing on a platform's
    // top row, where the press starts the drop through it (always true without a
    // map). Presses in mid-air would nudge the player a pixel per press; routes
    // made of them cannot be played by hand, and they multiply the states.
    bool mayStepDown(const PlayerState& state) const;
    // Puts the player in state, for box tests against it.
    void place(const PlayerState& state);
    // The state the player stands in now.
    PlayerState current() const;
    // The borrowed player, whose box size the targets use.
    Player& player() { return subject; }

private:
    Player& subject;
    const TileMap* map;
};
