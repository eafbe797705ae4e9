#include "game/world/PathSearch.h"

#include <cstdlib>

#include "game/world/TileMap.h"

namespace {
// Bits of a cache key taken by the goal cell; grids hold far fewer cells.
constexpr int kGoalBits = 32;

std::uint64_t cacheKey(int start, int goal) {
    return (static_cast<std::uint64_t>(start) << kGoalBits) | static_cast<std::uint32_t>(goal);
}
}  // namespace

PathSearch::PathSearch(std::vector<PathNode>& nodes_) : nodes(nodes_) {}

void PathSearch::reset(int width_, int height_) {
    width = width_;
    height = height_;
    // Swap with empty containers so a smaller grid does not keep a larger one's memory.
    open.release();
    std::vector<std::uint32_t>().swap(appended);
    std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height).swap(appendOrder);
    std::unordered_map<std::uint64_t, int>().swap(answers);
}

void PathSearch::clearLastSearch() {
    for (std::uint32_t cell : appended) {
        PathNode& node = nodes[cell];
        node.inOpenList = false;
        node.inClosedList = false;
        node.f = 0.0f;
        node.g = 0.0f;
        node.h = 0.0f;
    }
    appended.clear();
    open.clear();
}

int PathSearch::firstStep(int start, int goal) {
    const std::uint64_t key = cacheKey(start, goal);
    const auto known = answers.find(key);
    if (known != answers.end()) {
        return known->second;
    }
    const int step = search(start, goal);
    if (answers.size() >= kMaxCachedAnswers) {
        answers.clear();
    }
    answers.emplace(key, step);
    return step;
}

int PathSearch::search(int start, int goal) {
    const int goalColumn = goal % width;
    const int goalRow = goal / width;
    // The start goes on the open list without its flag, and is the first node taken.
    nodes[start].f = 0.0f;
    appended.push_back(static_cast<std::uint32_t>(start));
    int current = start;
    expand(current, goalColumn, goalRow);
    while (current != goal) {
        current = takeBestOpen();
        if (current < 0) {
            return kUnreachable;
        }
        expand(current, goalColumn, goalRow);
    }
    // Every parent on the way back was set by this search and leads to the start.
    const PathNode* startNode = &nodes[start];
    const PathNode* step = &nodes[goal];
    while (step->parent != startNode && step->parent != nullptr) {
        step = step->parent;
    }
    return static_cast<int>(step - nodes.data());
}

void PathSearch::expand(int cell, int goalColumn, int goalRow) {
    PathNode& current = nodes[cell];
    current.inClosedList = true;
    current.inOpenList = false;
    const int column = cell % width;
    const int row = cell / width;
    const Target goal{goalColumn, goalRow};
    if (column + 1 < width) {
        openNeighbour(current, cell + 1, column + 1, row, goal);
    }
    if (row + 1 < height) {
        openNeighbour(current, cell + width, column, row + 1, goal);
    }
    if (column > 0) {
        openNeighbour(current, cell - 1, column - 1, row, goal);
    }
    if (row > 0) {
        openNeighbour(current, cell - width, column, row - 1, goal);
    }
}

void PathSearch::openNeighbour(PathNode& current, int cell, int column, int row,
                               const Target& goal) {
    PathNode& n = nodes[cell];
    if (n.solid || n.inClosedList) {
        return;
    }
    // An open node changes parent only for a parent with a lower g.
    if (n.inOpenList && (n.parent == nullptr || !(n.parent->g > current.g))) {
        return;
    }
    const std::int64_t distance = std::llabs(static_cast<std::int64_t>(column) - goal.column) +
                                  std::llabs(static_cast<std::int64_t>(row) - goal.row);
    n.parent = &current;
    n.g = static_cast<float>(n.cost) + current.g;
    n.h = static_cast<float>(n.cost * distance);
    n.f = n.g + n.h;
    if (!n.inOpenList) {
        n.inOpenList = true;
        appendOrder[cell] = static_cast<std::uint32_t>(appended.size());
        appended.push_back(static_cast<std::uint32_t>(cell));
    }
    open.push(OpenQueue::Entry{n.f, appendOrder[cell]});
}

int PathSearch::takeBestOpen() {
    while (!open.empty()) {
        const OpenQueue::Entry entry = open.pop();
        const std::uint32_t cell = appended[entry.order];
        const PathNode& node = nodes[cell];
        // Entries of closed nodes, and entries from before a re-parenting, are stale.
        if (node.inOpenList && node.f == entry.f) {
            return static_cast<int>(cell);
        }
    }
    return -1;
}
