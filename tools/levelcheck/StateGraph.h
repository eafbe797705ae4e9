#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "tools/levelcheck/MoveSimulator.h"
#include "tools/levelcheck/RouteTargets.h"
#include "tools/levelcheck/SearchBudget.h"
#include "tools/levelcheck/VisitedSet.h"

// Every player state reachable from the start, found once with the game's own
// physics, kept with its moves to the next states, the coins it touches and
// whether it touches the door. Later questions (which states can still reach the
// door, the way to the next coin) are answered on the stored graph without
// stepping the player again.
class StateGraph {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    // A graph of a level columns x rows cells wide (states leaving the area
    // around it are dropped, as in VisitedSet).
    StateGraph(int columns, int rows);

    // Explores from start; false when the budget (time or states) stopped it,
    // leaving the graph incomplete.
    bool explore(const PlayerState& start, MoveSimulator& simulator, RouteTargets& targets,
                 SearchBudget& budget);

    std::uint32_t size() const { return static_cast<std::uint32_t>(states.size()); }
    // Nodes whose moves, coins and door contact are known: all of them after a
    // complete explore, the first ones after a stopped one.
    std::uint32_t expanded() const { return static_cast<std::uint32_t>(door.size()); }
    const PlayerState& state(std::uint32_t node) const { return states[node]; }
    bool touchesDoor(std::uint32_t node) const { return door[node]; }
    // The coins that node's state touches, as [first, last).
    const int* coinsBegin(std::uint32_t node) const { return coinList.data() + coinStart[node]; }
    const int* coinsEnd(std::uint32_t node) const { return coinList.data() + coinStart[node + 1]; }

    // Per node: whether some state that touches the door can be reached from it.
    std::vector<bool> reachingDoor() const;
    // Breadth-first from node `from` over the nodes allowed, to the first node
    // for which goal(node) is true; returns it (kNone if none) and the moves and
    // nodes (from excluded) leading there.
    template <typename Goal>
    std::uint32_t findNearest(std::uint32_t from, const std::vector<bool>& allowed,
                              const Goal& goal, std::vector<Move>& moves,
                              std::vector<std::uint32_t>& path) const;

private:
    // The first node at the state's pixel position (kNone when none), its block
    // allocated on first use.
    std::uint32_t& firstAt(const PlayerState& state);
    std::uint32_t indexOf(const PlayerState& state);
    std::uint32_t add(const PlayerState& state);
    void tracePath(std::uint32_t from, std::uint32_t to, const std::vector<std::uint32_t>& parent,
                   std::vector<Move>& moves, std::vector<std::uint32_t>& path) const;

    VisitedSet area;  // only for its bounds
    std::vector<PlayerState> states;
    std::vector<std::uint32_t> edgeStart;  // per node, into edgeTo and edgeMove
    std::vector<std::uint32_t> edgeTo;
    std::vector<Move> edgeMove;
    std::vector<std::uint32_t> coinStart;  // per node, into coinList
    std::vector<int> coinList;
    std::vector<bool> door;
    // Nodes by position: one block of first nodes per cell of the area, the
    // nodes at one position (differing in speed) chained through nextAtPosition.
    // Successive states lie close together, so lookups stay in a few blocks.
    static constexpr int kBlockSize = 32;
    using Block = std::array<std::uint32_t, kBlockSize * kBlockSize>;
    std::vector<std::unique_ptr<Block>> blocks;
    long long blockColumns = 0;
    std::vector<std::uint32_t> nextAtPosition;
    // findNearest's parents, kept between calls; all kNone between calls.
    mutable std::vector<std::uint32_t> parents;
};

template <typename Goal>
std::uint32_t StateGraph::findNearest(std::uint32_t from, const std::vector<bool>& allowed,
                                      const Goal& goal, std::vector<Move>& moves,
                                      std::vector<std::uint32_t>& path) const {
    std::vector<std::uint32_t>& parent = parents;
    parent.resize(size(), kNone);
    std::vector<std::uint32_t> queue{from};
    parent[from] = from;
    std::uint32_t found = kNone;
    for (size_t head = 0; head < queue.size() && found == kNone; ++head) {
        const std::uint32_t node = queue[head];
        for (std::uint32_t e = edgeStart[node]; e < edgeStart[node + 1]; ++e) {
            const std::uint32_t next = edgeTo[e];
            if (parent[next] != kNone || !allowed[next]) {
                continue;
            }
            parent[next] = node;
            queue.push_back(next);
            if (goal(next)) {
                tracePath(from, next, parent, moves, path);
                found = next;
                break;
            }
        }
    }
    for (std::uint32_t node : queue) {
        parent[node] = kNone;
    }
    return found;
}
