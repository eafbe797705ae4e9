#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "game/world/OpenQueue.h"

struct PathNode;

// The search behind TileMap::findPath. It expands exactly the nodes, in exactly the
// order, that a plain open list scanned front to back with "<=" would: the open
// list is a queue ordered on (f, then later append first), a re-parented node is
// pushed again under its first append order and its stale entry skipped, f is
// computed in float as that list's scores are, and the working storage lives from
// one search to the next. Only the nodes the previous
// search appended are cleared before the next one, which leaves every node as a
// reset of all of them would.
//
// The first step depends only on the map and the start and goal cells: the route
// is read back through parents set by the search itself. So answers are cached per
// (start, goal) until the grid is rebuilt; a cached answer does not touch the nodes.
class PathSearch {
public:
    // What firstStep answers when the open list runs empty.
    static constexpr int kUnreachable = -1;
    // Cached answers kept at most; the cache starts over when full (a few per
    // flying enemy and player cell, so a level rarely fills it).
    static constexpr std::size_t kMaxCachedAnswers = 4096;

    // Searches over nodes (borrowed; TileMap's grid, in reading order).
    explicit PathSearch(std::vector<PathNode>& nodes);

    // Starts over for a grid of width x height nodes: forgets the cache and the last
    // search and releases the old working storage. TileMap calls it after every
    // rebuild of its nodes.
    void reset(int width, int height);
    // Clears the flags and scores that the last search left on its nodes, as the
    // reset of every node at the start of a search would. Called first by findPath.
    void clearLastSearch();
    // The cell index (row * width + column) next to start on a shortest route to
    // goal, or kUnreachable. start and goal are different cells of the grid.
    int firstStep(int start, int goal);
    // What firstStep does on a cache miss: one full search, neither reading nor
    // filling the cache. Call clearLastSearch first. Benchmarks time it directly.
    int search(int start, int goal);

private:
    // Closes a node and opens or re-parents its neighbours right, down, left, up.
    void expand(int cell, int goalColumn, int goalRow);
    // The goal's column and row.
    struct Target {
        int column;
        int row;
    };
    void openNeighbour(PathNode& current, int cell, int column, int row, const Target& goal);
    // The open node to expand next, skipping stale queue entries; -1 when none.
    int takeBestOpen();

    std::vector<PathNode>& nodes;
    int width = 0;
    int height = 0;
    OpenQueue open;
    std::vector<std::uint32_t> appended;     // cells appended this search, in order
    std::vector<std::uint32_t> appendOrder;  // per cell: its index in appended
    std::unordered_map<std::uint64_t, int> answers;
};
