#include "tools/levelcheck/StateGraph.h"

#include <algorithm>

namespace {
// The clock is read once per this many expanded states.
constexpr std::uint32_t kClockInterval = 1024;
constexpr size_t kFirstSlots = size_t{1} << 16;
// World y must fit the key's 24 bits: levels taller than this many pixels are
// searched down to it only.
constexpr long long kYRange = 1LL << 23;
constexpr float kSpeedUnit = VisitedSet::kSpeedUnit;

std::uint64_t mix(std::uint64_t key) {
    key ^= key >> 33;
    key *= 0xff51afd7ed558ccdULL;
    key ^= key >> 33;
    return key;
}
}  // namespace

StateGraph::StateGraph(int columns, int rows) : area(columns, rows) {}

std::uint64_t StateGraph::keyOf(const PlayerState& state) const {
    const auto speed = static_cast<std::uint64_t>(static_cast<int>(state.velocityY / kSpeedUnit) -
                                                  VisitedSet::kLowestSpeedUnit);
    const auto y = static_cast<std::uint64_t>(state.y + kYRange) & 0xFFFFFFu;
    const auto x = static_cast<std::uint64_t>(static_cast<std::uint32_t>(state.x));
    return (x << 32) | (y << 8) | speed;
}

std::uint32_t StateGraph::indexOf(const PlayerState& state) const {
    const std::uint64_t key = keyOf(state) + 1;
    const size_t mask = slotKeys.size() - 1;
    for (size_t slot = mix(key) & mask;; slot = (slot + 1) & mask) {
        if (slotKeys[slot] == key) {
            return slotNodes[slot];
        }
        if (slotKeys[slot] == 0) {
            return kNone;
        }
    }
}

void StateGraph::rehash() {
    std::vector<std::uint64_t> oldKeys(std::max(kFirstSlots, slotKeys.size() * 2), 0);
    std::vector<std::uint32_t> oldNodes(oldKeys.size(), kNone);
    oldKeys.swap(slotKeys);
    oldNodes.swap(slotNodes);
    const size_t mask = slotKeys.size() - 1;
    for (size_t i = 0; i < oldKeys.size(); ++i) {
        if (oldKeys[i] == 0) {
            continue;
        }
        size_t slot = mix(oldKeys[i]) & mask;
        while (slotKeys[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        slotKeys[slot] = oldKeys[i];
        slotNodes[slot] = oldNodes[i];
    }
}

std::uint32_t StateGraph::add(const PlayerState& state) {
    if ((states.size() + 1) * 2 > slotKeys.size()) {
        rehash();
    }
    const std::uint64_t key = keyOf(state) + 1;
    const size_t mask = slotKeys.size() - 1;
    size_t slot = mix(key) & mask;
    while (slotKeys[slot] != 0) {
        slot = (slot + 1) & mask;
    }
    slotKeys[slot] = key;
    slotNodes[slot] = size();
    states.push_back(state);
    return size() - 1;
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
    slotKeys.clear();
    slotNodes.clear();
    rehash();
    if (!area.covers(start) || start.y >= kYRange) {
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
                !area.covers(to) || to.y >= kYRange) {
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
