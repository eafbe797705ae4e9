#pragma once

#include <functional>
#include <memory>

#include "tools/levelcheck/MoveSimulator.h"
#include "tools/levelcheck/SearchBudget.h"
#include "tools/levelcheck/StateTable.h"

// What a visitor wants after seeing a state.
enum class Visit { Continue, Stop };

// A breadth-first search over the player's states from one start: every state
// is reached by the fewest level steps possible.
class RouteSearch {
public:
    // Called once for every state first reached after at least one step, in
    // order of steps, with its node index in table().
    using Visitor = std::function<Visit(std::uint32_t index, const PlayerState& state)>;

    // Searches a level columns x rows cells wide. States that leave the area
    // around it (below the last row nothing can hold the player) are dropped.
    RouteSearch(MoveSimulator& simulator, SearchBudget& budget, int columns, int rows);

    // Searches from start until visit says Stop (returns true), every reachable
    // state is seen or the budget runs out (returns false; see the budget).
    bool run(const PlayerState& start, const Visitor& visit);
    // The states of the last run, for following a found state back to the start.
    const StateTable& table() const { return *states; }

private:
    MoveSimulator& simulator;
    SearchBudget& budget;
    std::unique_ptr<StateTable> states;
};
