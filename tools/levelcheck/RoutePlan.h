#pragma once

#include <string>
#include <vector>

#include "tools/levelcheck/MoveSimulator.h"

// What the route planner found out about a level.
struct RoutePlan {
    enum class Verdict {
        Found,       // moves take enough coins and then reach the door
        Impossible,  // proven: no route takes enough coins and then reaches the door
        Undecided,   // a bound stopped the search before an answer; stoppedBy names it
    };
    Verdict verdict = Verdict::Undecided;
    std::string stoppedBy;  // the bound that stopped an undecided search, with its value
    std::vector<Move> moves;
    std::vector<int> coinOrder;       // coins in the order the route takes them
    std::vector<bool> coinReachable;  // per coin: touched by some state from the start
    std::vector<bool> coinUsable;     // per coin: touched by a state that can still reach the door
    bool doorReachable = false;       // the door is touched by some state from the start
    bool surveyComplete = false;      // every state reachable from the start was seen
    PlayerState furthestRight;        // the reachable states furthest to each side
    PlayerState furthestLeft;
};
