#pragma once

#include <vector>

#include "tools/levelcheck/LevelCells.h"
#include "tools/levelcheck/MoveSimulator.h"

class Door;

// What a route must touch: the level's coins, with the pickups' box rule, and
// the door, with the door's own box test.
class RouteTargets {
public:
    // coins are the coin cells of level in reading order, each a box of
    // coinWidth x coinHeight at its cell's corner; door may be null. The
    // simulator's player is moved to answer door questions.
    RouteTargets(const LevelCells& level, int coinWidth, int coinHeight, Door* door,
                 MoveSimulator& simulator);

    // The coins, indexed in reading order.
    int coinCount() const { return static_cast<int>(coins.size()); }
    const Cell& coin(int index) const { return coins[index]; }
    // Appends to out the index of every coin that the player's box in state
    // touches (touching edges count, as when the game collects a coin).
    void coinsTouched(const PlayerState& state, std::vector<int>& out) const;
    // Whether the player in state touches the door (false without a door).
    bool doorTouched(const PlayerState& state);

private:
    int coinAtCell(int column, int row) const;

    std::vector<Cell> coins;
    std::vector<int> coinGrid;  // coin index per cell, -1 elsewhere
    int gridWidth;
    int gridHeight;
    int coinWidth;
    int coinHeight;
    int playerWidth;
    int playerHeight;
    Door* door;
    MoveSimulator& simulator;
};
