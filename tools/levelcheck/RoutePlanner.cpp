#include "tools/levelcheck/RoutePlanner.h"

#include <algorithm>

namespace {
std::string withThousands(long long value) {
    std::string digits = std::to_string(value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<size_t>(i), ",");
    }
    return digits;
}
}  // namespace

RoutePlanner::RoutePlanner(MoveSimulator& simulator_, RouteTargets& targets_, SearchBudget& budget_,
                           int columns, int rows, int coinsNeeded_)
    : simulator(simulator_),
      targets(targets_),
      budget(budget_),
      graph(columns, rows),
      coinsNeeded(coinsNeeded_) {}

RoutePlan RoutePlanner::plan(const PlayerState& start) {
    RoutePlan plan;
    plan.furthestLeft = plan.furthestRight = start;
    plan.surveyComplete = graph.explore(start, simulator, targets, budget);
    if (!plan.surveyComplete) {
        plan.stoppedBy =
            budget.outOfTime()
                ? "the time limit of " + withThousands(budget.seconds()) + " s"
                : "the limit of " + withThousands(budget.stateLimit()) + " states in one search";
    }
    survey(plan);
    if (!plan.surveyComplete) {
        plan.verdict = RoutePlan::Verdict::Undecided;
        return plan;
    }
    const int usable =
        static_cast<int>(std::count(plan.coinUsable.begin(), plan.coinUsable.end(), true));
    if (graph.size() == 0 || !reachesDoor[0] || usable < coinsNeeded) {
        plan.verdict = RoutePlan::Verdict::Impossible;
        return plan;
    }
    std::vector<bool> taken(targets.coinCount(), false);
    int takenCount = 0;
    for (const int* coin = graph.coinsBegin(0); coin != graph.coinsEnd(0); ++coin) {
        taken[*coin] = true;
        plan.coinOrder.push_back(*coin);
        ++takenCount;
    }
    if (build(0, taken, takenCount, plan.moves, plan.coinOrder)) {
        plan.verdict = RoutePlan::Verdict::Found;
        return plan;
    }
    plan.moves.clear();
    plan.coinOrder.clear();
    if (budget.outOfTime()) {
        plan.stoppedBy = "the time limit of " + withThousands(budget.seconds()) + " s";
    } else if (choicesLeft <= 0) {
        plan.stoppedBy =
            "the limit of " + std::to_string(kMaxCoinChoices) + " coin choices tried in turn";
    }
    plan.verdict =
        plan.stoppedBy.empty() ? RoutePlan::Verdict::Impossible : RoutePlan::Verdict::Undecided;
    return plan;
}

void RoutePlanner::survey(RoutePlan& plan) {
    plan.coinReachable.assign(targets.coinCount(), false);
    plan.coinUsable.assign(targets.coinCount(), false);
    reachesDoor =
        plan.surveyComplete ? graph.reachingDoor() : std::vector<bool>(graph.expanded(), false);
    for (std::uint32_t node = 0; node < graph.expanded(); ++node) {
        const PlayerState& state = graph.state(node);
        plan.furthestRight = state.x > plan.furthestRight.x ? state : plan.furthestRight;
        plan.furthestLeft = state.x < plan.furthestLeft.x ? state : plan.furthestLeft;
        plan.doorReachable = plan.doorReachable || graph.touchesDoor(node);
        for (const int* coin = graph.coinsBegin(node); coin != graph.coinsEnd(node); ++coin) {
            plan.coinReachable[*coin] = true;
            plan.coinUsable[*coin] = plan.coinUsable[*coin] || reachesDoor[node];
        }
    }
}

bool RoutePlanner::build(std::uint32_t from, std::vector<bool>& taken, int takenCount,
                         std::vector<Move>& moves, std::vector<int>& order) {
    std::vector<Move> leg;
    std::vector<std::uint32_t> path;
    if (takenCount >= coinsNeeded) {
        const auto atDoor = [&](std::uint32_t node) { return graph.touchesDoor(node); };
        if (graph.findNearest(from, reachesDoor, atDoor, leg, path) == StateGraph::kNone) {
            return false;
        }
        moves.insert(moves.end(), leg.begin(), leg.end());
        return true;
    }
    std::vector<bool> tried(targets.coinCount(), false);
    while (choicesLeft > 0 && !budget.outOfTime()) {
        --choicesLeft;
        int target = -1;
        const auto atNewCoin = [&](std::uint32_t node) {
            for (const int* coin = graph.coinsBegin(node); coin != graph.coinsEnd(node); ++coin) {
                if (!taken[*coin] && !tried[*coin]) {
                    target = *coin;
                    return true;
                }
            }
            return false;
        };
        const std::uint32_t reached = graph.findNearest(from, reachesDoor, atNewCoin, leg, path);
        if (reached == StateGraph::kNone) {
            return false;
        }
        tried[target] = true;
        // Every coin touched on the way is collected too.
        std::vector<bool> nextTaken = taken;
        std::vector<int> nextOrder = order;
        int nextCount = takenCount;
        for (std::uint32_t node : path) {
            for (const int* coin = graph.coinsBegin(node); coin != graph.coinsEnd(node); ++coin) {
                if (!nextTaken[*coin]) {
                    nextTaken[*coin] = true;
                    nextOrder.push_back(*coin);
                    ++nextCount;
                }
            }
        }
        std::vector<Move> nextMoves = moves;
        nextMoves.insert(nextMoves.end(), leg.begin(), leg.end());
        if (build(reached, nextTaken, nextCount, nextMoves, nextOrder)) {
            moves = std::move(nextMoves);
            order = std::move(nextOrder);
            taken = std::move(nextTaken);
            return true;
        }
    }
    return false;
}
