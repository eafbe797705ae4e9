#pragma once

#include <string>
#include <vector>

#include "game/world/PathSearch.h"
#include "game/world/TileMap.h"

// The production path search over a copy of a map's nodes, run without its answer
// cache so that every call does the full search TileMap::findPath does on a miss.
// Timing TileMap::findPath itself on a repeated search would time the cache.
class ProductionSearch {
public:
    // Builds the map's nodes from rows with 32-pixel tiles (TileMap does the building).
    explicit ProductionSearch(const std::vector<std::string>& rows);
    ProductionSearch(const ProductionSearch&) = delete;
    ProductionSearch& operator=(const ProductionSearch&) = delete;

    // As TileMap::findPath between two pixels, but always searching.
    void findPath(int startX, int startY, int goalX, int goalY, int& outX, int& outY);

private:
    // Index of the cell holding a pixel, or -1 outside the grid.
    int cellOf(int x, int y) const;

    int width = 0;
    int height = 0;
    std::vector<PathNode> nodes;
    PathSearch search{nodes};
};
