#include "tools/levelcheck/StateGraph.h"

#include <algorithm>

namespace {
// The clock is read once per this many expanded states.
constexpr std::uint32_t kClockInterval = 1024;
}  // namespace

StateGraph::StateGraph(int columns, int rows) : area(columns, rows) {}

std::uint32_t& StateGraph::firstAt(const PlayerState& state) {
    const long long dx = state.x - area.areaLeft();
    const long long dy = state.y - area.areaTop();
    std::unique_ptr<Block>& block =
        blocks[static_cast<size_t>((dy / kBlockSize) * blockColumns + dx / kBlockSize)];
    if (block == nullptr) {
        block = std::make_unique<Block>();
        block->fill(kNone);
    }
    return (*block)[static_cast<size_t>((dy % kBlockSize) * kBlockSize + dx % kBlockSize)];
}

std::uint32_t StateGraph::indexOf(const PlayerState& state) {
    for (std::uint32_t node = firstAt(state); node != kNone; node = nextAtPosition[node]) {
        if (states[node].velocityY == state.velocityY) {
            return node;
        }
    }
    return kNone;
}

std::uint32_t StateGraph::add(const PlayerState& state) {
    std::uint32_t& first = firstAt(state);
    nextAtPosition.push_back(first);
    first = size();
    states.push_back(state);
    return first;
}

bool StateGraph::explore(const PlayerState& start, MoveSimulator& simulator, RouteTargets& targets,
                         SearchBudget& budget) {
    states.clear();
    edgeStart.clear();
    edgeTo.clear();
    edgeMove.clear();
    coinStart.assign(1, 0);
    coinList.clear();
    door.clear();
    nextAtPosition.clear();
    parents.clear();
    blockColumns = (area.areaRight() - area.areaLeft() + kBlockSize - 1) / kBlockSize;
    const long long blockRows = (area.areaBottom() - area.areaTop() + kBlockSize - 1) / kBlockSize;
    blocks.clear();
    blocks.resize(static_cast<size_t>(std::max(0LL, blockColumns * blockRows)));
    if (!area.covers(start)) {
        edgeStart.push_back(0);
        return true;
    }
    add(start);
    std::vector<int> touched;
    for (std::uint32_t head = 0; head < size(); ++head) {
        if (head % kClockInterval == 0 && budget.outOfTime()) {
            return false;
        }
        const PlayerState from = states[head];
        edgeStart.push_back(static_cast<std::uint32_t>(edgeTo.size()));
        touched.clear();
        targets.coinsTouched(from, touched);
        coinList.insert(coinList.end(), touched.begin(), touched.end());
        coinStart.push_back(static_cast<std::uint32_t>(coinList.size()));
        door.push_back(targets.doorTouched(from));
        const bool mayStepDown = simulator.mayStepDown(from);
        for (Move move : kAllMoves) {
            PlayerState to;
            if ((move == Move::Down && !mayStepDown) || !simulator.step(from, move, to) ||
                !area.covers(to)) {
                continue;
            }
            std::uint32_t next = indexOf(to);
            if (next == kNone) {
                if (budget.tooManyStates(size())) {
                    return false;
                }
                next = add(to);
            }
            if (std::find(edgeTo.begin() + edgeStart[head], edgeTo.end(), next) == edgeTo.end()) {
                edgeTo.push_back(next);
                edgeMove.push_back(move);
            }
        }
    }
    edgeStart.push_back(static_cast<std::uint32_t>(edgeTo.size()));
    return true;
}

std::vector<bool> StateGraph::reachingDoor() const {
    // Reverse the edges, then walk back from every door state.
    const std::uint32_t n = size();
    std::vector<std::uint32_t> reverseStart(n + 1, 0);
    for (std::uint32_t to : edgeTo) {
        ++reverseStart[to + 1];
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        reverseStart[i + 1] += reverseStart[i];
    }
    std::vector<std::uint32_t> fill(reverseStart.begin(), reverseStart.end() - 1);
    std::vector<std::uint32_t> reverseFrom(edgeTo.size());
    for (std::uint32_t node = 0; node < n; ++node) {
        for (std::uint32_t e = edgeStart[node]; e < edgeStart[node + 1]; ++e) {
            reverseFrom[fill[edgeTo[e]]++] = node;
        }
    }
    std::vector<bool> reaches(n, false);
    std::vector<std::uint32_t> queue;
    for (std::uint32_t node = 0; node < n; ++node) {
        if (door[node]) {
            reaches[node] = true;
            queue.push_back(node);
        }
    }
    for (size_t head = 0; head < queue.size(); ++head) {
        const std::uint32_t node = queue[head];
        for (std::uint32_t e = reverseStart[node]; e < reverseStart[node + 1]; ++e) {
            if (!reaches[reverseFrom[e]]) {
                reaches[reverseFrom[e]] = true;
                queue.push_back(reverseFrom[e]);
            }
        }
    }
    return reaches;
}

void StateGraph::tracePath(std::uint32_t from, std::uint32_t to,
                           const std::vector<std::uint32_t>& parent, std::vector<Move>& moves,
                           std::vector<std::uint32_t>& path) const {
    moves.clear();
    path.clear();
    for (std::uint32_t node = to; node != from; node = parent[node]) {
        const std::uint32_t up = parent[node];
        for (std::uint32_t e = edgeStart[up]; e < edgeStart[up + 1]; ++e) {
            if (edgeTo[e] == node) {
                moves.push_back(edgeMove[e]);
                break;
            }
        }
        path.push_back(node);
    }
    std::reverse(moves.begin(), moves.end());
    std::reverse(path.begin(), path.end());
}
