#include "tools/levelcheck/StateTable.h"

#include <algorithm>

StateTable::StateTable(int columns, int rows) : visited(columns, rows) {}

std::uint32_t StateTable::insert(const PlayerState& state, std::uint32_t parent, Move move) {
    if (!visited.insert(state)) {
        return kNone;
    }
    const std::uint32_t index = size();
    nodes.push_back(
        SearchNode{state.x, state.y, state.velocityY, nodes.empty() ? index : parent, move});
    return index;
}

PlayerState StateTable::stateAt(std::uint32_t index) const {
    const SearchNode& n = nodes[index];
    return PlayerState{n.x, n.y, n.velocityY};
}

std::vector<Move> StateTable::movesTo(std::uint32_t index) const {
    std::vector<Move> moves;
    while (nodes[index].parent != index) {
        moves.push_back(nodes[index].move);
        index = nodes[index].parent;
    }
    std::reverse(moves.begin(), moves.end());
    return moves;
}

std::vector<PlayerState> StateTable::statesTo(std::uint32_t index) const {
    std::vector<PlayerState> states;
    while (nodes[index].parent != index) {
        states.push_back(stateAt(index));
        index = nodes[index].parent;
    }
    std::reverse(states.begin(), states.end());
    return states;
}
