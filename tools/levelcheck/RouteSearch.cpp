#include "tools/levelcheck/RouteSearch.h"

namespace {
// The clock is read once per this many expanded states.
constexpr std::uint32_t kClockInterval = 1024;
}  // namespace

RouteSearch::RouteSearch(MoveSimulator& simulator_, SearchBudget& budget_, int columns, int rows)
    : simulator(simulator_), budget(budget_), states(std::make_unique<StateTable>(columns, rows)) {}

bool RouteSearch::run(const PlayerState& start, const Visitor& visit) {
    if (!states->covers(start)) {
        return false;
    }
    states->insert(start, 0, Move::Stand);
    for (std::uint32_t head = 0; head < states->size(); ++head) {
        if (head % kClockInterval == 0 && (budget.outOfTime() || states->isFull())) {
            budget.markHit();
            return false;
        }
        const PlayerState from = states->stateAt(head);
        for (Move move : kAllMoves) {
            PlayerState to;
            if (!simulator.step(from, move, to) || !states->covers(to)) {
                continue;
            }
            if (budget.tooManyStates(states->size())) {
                return false;
            }
            const std::uint32_t index = states->insert(to, head, move);
            if (index != StateTable::kNone && visit(index, to) == Visit::Stop) {
                return true;
            }
        }
    }
    return false;
}
