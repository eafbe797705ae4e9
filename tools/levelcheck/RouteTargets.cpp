#include "tools/levelcheck/RouteTargets.h"

#include "game/characters/Box.h"
#include "game/characters/Player.h"
#include "game/world/Door.h"
#include "game/world/LevelPlay.h"

namespace {
constexpr int kCell = LevelPlay::kCellSize;
constexpr int kNoCoin = -1;

// Division rounding toward minus infinity, for cells left of or above the grid.
int floorDivide(long long value, int divisor) {
    long long quotient = value / divisor;
    if (value % divisor != 0 && value < 0) {
        --quotient;
    }
    return static_cast<int>(quotient);
}
}  // namespace

RouteTargets::RouteTargets(const LevelCells& level, int coinWidth_, int coinHeight_, Door* door_,
                           MoveSimulator& simulator_)
    : coins(level.cellsOf('C')),
      gridWidth(level.widestRow()),
      gridHeight(static_cast<int>(level.rows().size())),
      coinWidth(coinWidth_),
      coinHeight(coinHeight_),
      playerWidth(simulator_.player().getWidth()),
      playerHeight(simulator_.player().getHeight()),
      door(door_),
      simulator(simulator_) {
    coinGrid.assign(static_cast<size_t>(gridWidth) * static_cast<size_t>(gridHeight), kNoCoin);
    for (size_t i = 0; i < coins.size(); ++i) {
        coinGrid[static_cast<size_t>(coins[i].row) * gridWidth + coins[i].column] =
            static_cast<int>(i);
    }
}

int RouteTargets::coinAtCell(int column, int row) const {
    if (column < 0 || row < 0 || column >= gridWidth || row >= gridHeight) {
        return kNoCoin;
    }
    return coinGrid[static_cast<size_t>(row) * gridWidth + column];
}

void RouteTargets::coinsTouched(const PlayerState& state, std::vector<int>& out) const {
    // A coin's box at (cx, cy) overlaps the player's when px - w <= cx <= px + pw and
    // py - h <= cy <= py + ph: only coins whose corners lie in these cell ranges can.
    const long long px = state.x;
    const long long py = state.y;
    const int firstColumn = floorDivide(px - coinWidth, kCell);
    const int lastColumn = floorDivide(px + playerWidth, kCell);
    const int firstRow = floorDivide(py - coinHeight, kCell);
    const int lastRow = floorDivide(py + playerHeight, kCell);
    const Box player{state.x, state.y, playerWidth, playerHeight};
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int index = coinAtCell(column, row);
            if (index == kNoCoin) {
                continue;
            }
            const Box coin{column * kCell, row * kCell, coinWidth, coinHeight};
            if (player.overlaps(coin)) {
                out.push_back(index);
            }
        }
    }
}

bool RouteTargets::doorTouched(const PlayerState& state) {
    if (door == nullptr) {
        return false;
    }
    simulator.place(state);
    return door->overlaps(simulator.player());
}
