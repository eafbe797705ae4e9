#pragma once

#include <vector>

#include "tools/levelcheck/MoveSimulator.h"
#include "tools/levelcheck/RouteTargets.h"
#include "tools/levelcheck/SearchBudget.h"

// What the planner found out about a level.
struct RoutePlan {
    enum class Verdict {
        Found,       // moves take enough coins and then reach the door
        Impossible,  // no route was found although every search ran to its end
        Undecided,   // a search bound was hit before an answer
    };
    Verdict verdict = Verdict::Undecided;
    std::vector<Move> moves;
    std::vector<int> coinOrder;       // coins in the order the route takes them
    std::vector<bool> coinReachable;  // per coin: touched by some state from the start
    bool doorReachable = false;       // the door is touched by some state from the start
    bool surveyComplete = false;      // every state reachable from the start was seen
};

// Plans a route from the start that touches enough coins and then the door,
// leaving the enemies out. First a survey finds which coins and whether the door
// can be reached at all; then, from the start, the nearest untaken coin is
// reached again and again, trying the next nearest when a choice leads nowhere,
// and last the door.
class RoutePlanner {
public:
    // Coin-collection searches tried before giving up (each choice that fails
    // makes the planner try another coin).
    static constexpr int kMaxPhaseSearches = 400;

    // Plans in a level columns x rows cells wide.
    RoutePlanner(MoveSimulator& simulator, RouteTargets& targets, SearchBudget& budget, int columns,
                 int rows, int coinsNeeded);

    // Surveys and plans from start; the verdict says whether moves hold a route.
    RoutePlan plan(const PlayerState& start);

private:
    void survey(const PlayerState& start, RoutePlan& plan);
    // Extends moves from `from` with `taken` coins until the door; false when no
    // continuation was found.
    bool build(const PlayerState& from, std::vector<bool>& taken, int takenCount,
               std::vector<Move>& moves, std::vector<int>& order);
    // Searches from `from` for the nearest state touching a coin neither taken nor
    // tried; gives its index (or -1) with the states and moves leading there.
    int nearestCoin(const PlayerState& from, const std::vector<bool>& taken,
                    const std::vector<bool>& tried, std::vector<PlayerState>& path,
                    std::vector<Move>& leg);
    bool reachDoor(const PlayerState& from, std::vector<Move>& moves);

    MoveSimulator& simulator;
    RouteTargets& targets;
    SearchBudget& budget;
    int columns;
    int rows;
    int coinsNeeded;
    int searchesLeft = kMaxPhaseSearches;
};
