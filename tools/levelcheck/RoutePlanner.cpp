#include "tools/levelcheck/RoutePlanner.h"

#include <algorithm>

#include "tools/levelcheck/RouteSearch.h"

namespace {
constexpr int kNoCoin = -1;
}  // namespace

RoutePlanner::RoutePlanner(MoveSimulator& simulator_, RouteTargets& targets_, SearchBudget& budget_,
                           int columns_, int rows_, int coinsNeeded_)
    : simulator(simulator_),
      targets(targets_),
      budget(budget_),
      columns(columns_),
      rows(rows_),
      coinsNeeded(coinsNeeded_) {}

RoutePlan RoutePlanner::plan(const PlayerState& start) {
    RoutePlan plan;
    survey(start, plan);
    const int reachable =
        static_cast<int>(std::count(plan.coinReachable.begin(), plan.coinReachable.end(), true));
    if (reachable < coinsNeeded || !plan.doorReachable) {
        plan.verdict =
            plan.surveyComplete ? RoutePlan::Verdict::Impossible : RoutePlan::Verdict::Undecided;
        return plan;
    }
    std::vector<bool> taken(targets.coinCount(), false);
    if (build(start, taken, 0, plan.moves, plan.coinOrder)) {
        plan.verdict = RoutePlan::Verdict::Found;
    } else {
        plan.moves.clear();
        plan.coinOrder.clear();
        const bool bounded = budget.wasHit() || searchesLeft <= 0;
        plan.verdict = bounded ? RoutePlan::Verdict::Undecided : RoutePlan::Verdict::Impossible;
    }
    return plan;
}

void RoutePlanner::survey(const PlayerState& start, RoutePlan& plan) {
    plan.coinReachable.assign(targets.coinCount(), false);
    int unseenCoins = targets.coinCount();
    std::vector<int> touched;
    RouteSearch search(simulator, budget, columns, rows);
    const bool stopped = search.run(start, [&](std::uint32_t, const PlayerState& state) {
        touched.clear();
        targets.coinsTouched(state, touched);
        for (int coin : touched) {
            if (!plan.coinReachable[coin]) {
                plan.coinReachable[coin] = true;
                --unseenCoins;
            }
        }
        if (!plan.doorReachable && targets.doorTouched(state)) {
            plan.doorReachable = true;
        }
        return unseenCoins == 0 && plan.doorReachable ? Visit::Stop : Visit::Continue;
    });
    plan.surveyComplete = stopped || !budget.wasHit();
}

bool RoutePlanner::build(const PlayerState& from, std::vector<bool>& taken, int takenCount,
                         std::vector<Move>& moves, std::vector<int>& order) {
    if (takenCount >= coinsNeeded) {
        return reachDoor(from, moves);
    }
    std::vector<bool> tried(targets.coinCount(), false);
    std::vector<int> touched;
    while (searchesLeft-- > 0 && !budget.outOfTime()) {
        std::vector<PlayerState> path;
        std::vector<Move> leg;
        const int target = nearestCoin(from, taken, tried, path, leg);
        if (target == kNoCoin) {
            return false;
        }
        tried[target] = true;
        // Every coin touched on the way is collected too.
        std::vector<bool> nextTaken = taken;
        std::vector<int> nextOrder = order;
        int nextCount = takenCount;
        for (const PlayerState& state : path) {
            touched.clear();
            targets.coinsTouched(state, touched);
            for (int coin : touched) {
                if (!nextTaken[coin]) {
                    nextTaken[coin] = true;
                    nextOrder.push_back(coin);
                    ++nextCount;
                }
            }
        }
        std::vector<Move> nextMoves = moves;
        nextMoves.insert(nextMoves.end(), leg.begin(), leg.end());
        if (build(path.back(), nextTaken, nextCount, nextMoves, nextOrder)) {
            moves = std::move(nextMoves);
            order = std::move(nextOrder);
            taken = std::move(nextTaken);
            return true;
        }
    }
    return false;
}

int RoutePlanner::nearestCoin(const PlayerState& from, const std::vector<bool>& taken,
                              const std::vector<bool>& tried, std::vector<PlayerState>& path,
                              std::vector<Move>& leg) {
    int target = kNoCoin;
    std::uint32_t found = 0;
    std::vector<int> touched;
    RouteSearch search(simulator, budget, columns, rows);
    search.run(from, [&](std::uint32_t index, const PlayerState& state) {
        touched.clear();
        targets.coinsTouched(state, touched);
        for (int coin : touched) {
            if (!taken[coin] && !tried[coin]) {
                target = coin;
                found = index;
                return Visit::Stop;
            }
        }
        return Visit::Continue;
    });
    if (target != kNoCoin) {
        path = search.table().statesTo(found);
        leg = search.table().movesTo(found);
    }
    return target;
}

bool RoutePlanner::reachDoor(const PlayerState& from, std::vector<Move>& moves) {
    RouteSearch search(simulator, budget, columns, rows);
    std::uint32_t found = 0;
    const bool reached = search.run(from, [&](std::uint32_t index, const PlayerState& state) {
        found = index;
        return targets.doorTouched(state) ? Visit::Stop : Visit::Continue;
    });
    if (!reached) {
        return false;
    }
    const std::vector<Move> leg = search.table().movesTo(found);
    moves.insert(moves.end(), leg.begin(), leg.end());
    return true;
}
