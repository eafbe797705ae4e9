#include "benchmarks/ProductionSearch.h"

namespace {
constexpr int kTile = 32;
}  // namespace

ProductionSearch::ProductionSearch(const std::vector<std::string>& rows) {
    TileMap map(nullptr, "", kTile, kTile);
    map.loadRows(rows);
    width = map.mapWidth();
    height = map.rowCount();
    for (int r = 0; r < height; ++r) {
        for (int k = 0; k < width; ++k) {
            nodes.push_back(*map.nodeAt(k, r));
        }
    }
    search.reset(width, height);
}

int ProductionSearch::cellOf(int x, int y) const {
    const int column = x / kTile;
    const int row = y / kTile;
    if (column < 0 || row < 0 || column >= width || row >= height) {
        return -1;
    }
    return row * width + column;
}

void ProductionSearch::findPath(int startX, int startY, int goalX, int goalY, int& outX,
                                int& outY) {
    search.clearLastSearch();
    const int start = cellOf(startX, startY);
    const int goal = cellOf(goalX, goalY);
    if (start < 0 || goal < 0) {
        outX = TileMap::kNoPath;
        outY = TileMap::kNoPath;
        return;
    }
    if (start == goal) {
        return;
    }
    const int step = search.search(start, goal);
    outX = step == PathSearch::kUnreachable ? TileMap::kNoPath : nodes[step].x;
    outY = step == PathSearch::kUnreachable ? TileMap::kNoPath : nodes[step].y;
}
