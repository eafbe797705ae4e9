#pragma once

#include "tools/levelcheck/LevelCells.h"
#include "tools/levelcheck/LevelReport.h"
#include "tools/levelcheck/RoutePlan.h"

// Turns what the route planner found into findings: the route, the coins and
// door that cannot be reached or lie in a trap, where the player gets stuck,
// and the bound that left completion undecided.
class PlanFindings {
public:
    // Highest climb of a jump in pixels (rises of 16 + 15 + ... + 1).
    static constexpr int kJumpRise = 136;

    // Adds the findings about plan for level to report; the player's box is
    // playerWidth x playerHeight, and coinsNeeded coins open the door.
    static void report(const RoutePlan& plan, const LevelCells& level, int playerWidth,
                       int playerHeight, int coinsNeeded, LevelReport& report);

private:
    static void reportCoins(const RoutePlan& plan, const LevelCells& level, Severity severity,
                            LevelReport& report);
    static void reportStuck(const RoutePlan& plan, const LevelCells& level, int playerWidth,
                            int playerHeight, LevelReport& report);
};
