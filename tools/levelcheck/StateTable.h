#pragma once

#include <cstdint>
#include <vector>

#include "tools/levelcheck/MoveSimulator.h"
#include "tools/levelcheck/VisitedSet.h"

// One discovered state of a search: the state, where it came from and with
// which move.
struct SearchNode {
    int x = 0;
    int y = 0;
    float velocityY = 0.0f;
    std::uint32_t parent = 0;  // the start node is its own parent
    Move move = Move::Stand;
};

// The states one search has discovered, in discovery order (which is also the
// breadth-first queue), each stored once.
class StateTable {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    // A table for searches in a level columns x rows cells wide.
    StateTable(int columns, int rows);

    // Whether state can be stored at all: it lies in the visited set's area.
    bool covers(const PlayerState& state) const { return visited.covers(state); }
    // Adds state (which must be covered) with its parent node and move unless it
    // is known. Returns the new node's index, or kNone when the state was known
    // or the visited set is full.
    std::uint32_t insert(const PlayerState& state, std::uint32_t parent, Move move);
    // Number of states discovered; node indices run from 0 to size() - 1.
    std::uint32_t size() const { return static_cast<std::uint32_t>(nodes.size()); }
    // The node at index (below size()) and the state it stands for.
    const SearchNode& node(std::uint32_t index) const { return nodes[index]; }
    PlayerState stateAt(std::uint32_t index) const;
    // True once states were dropped because the visited set is full.
    bool isFull() const { return visited.isFull(); }
    // The moves from the first node to the node at index.
    std::vector<Move> movesTo(std::uint32_t index) const;
    // The states from the first node (excluded) to the node at index.
    std::vector<PlayerState> statesTo(std::uint32_t index) const;

private:
    std::vector<SearchNode> nodes;
    VisitedSet visited;
};
