#pragma once

#include <cstdint>
#include <vector>

#include "tools/levelcheck/MoveSimulator.h"
#include "tools/levelcheck/RoutePlan.h"
#include "tools/levelcheck/RouteTargets.h"
#include "tools/levelcheck/SearchBudget.h"
#include "tools/levelcheck/StateGraph.h"

// Plans a route from the start that touches enough coins and then the door,
// leaving the enemies out. First every state reachable from the start is
// explored once (a StateGraph); the states from which the door can still be
// reached decide which coins count at all, so that a level whose coins lie in a
// trap is proven impossible at once. Then, over the states that can still reach
// the door, the nearest untaken coin is reached again and again, trying the next
// nearest when a choice leads nowhere, and last the door.
class RoutePlanner {
public:
    // Coin choices tried before giving up undecided (each choice that fails
    // makes the planner try another coin).
    static constexpr int kMaxCoinChoices = 400;

    // Plans in a level columns x rows cells wide.
    RoutePlanner(MoveSimulator& simulator, RouteTargets& targets, SearchBudget& budget, int columns,
                 int rows, int coinsNeeded);

    // Surveys and plans from start; the verdict says whether moves hold a route.
    RoutePlan plan(const PlayerState& start);

private:
    void survey(RoutePlan& plan);
    // Extends moves from node `from` with `taken` coins until the door; false
    // when no continuation was found.
    bool build(std::uint32_t from, std::vector<bool>& taken, int takenCount,
               std::vector<Move>& moves, std::vector<int>& order);

    MoveSimulator& simulator;
    RouteTargets& targets;
    SearchBudget& budget;
    StateGraph graph;
    std::vector<bool> reachesDoor;
    int coinsNeeded;
    int choicesLeft = kMaxCoinChoices;
};
