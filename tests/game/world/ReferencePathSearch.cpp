#include "tests/game/world/ReferencePathSearch.h"

#include <cstdlib>

#include "game/world/TileMap.h"

namespace worldtest {

ReferencePathSearch::ReferencePathSearch(const std::vector<std::string>& rows, int tileWidth_,
                                         int tileHeight_)
    : tileWidth(tileWidth_), tileHeight(tileHeight_) {
    const long long w = rows.empty() ? 0 : static_cast<long long>(rows[0].size());
    const long long h = static_cast<long long>(rows.size());
    if (w * h > TileMap::kMaxPathCells) {
        return;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    for (int r = 0; r < height; ++r) {
        for (int k = 0; k < width; ++k) {
            char code = '.';
            if (k < static_cast<int>(rows[r].size())) {
                code = rows[r][k];
            }
            Node node;
            node.x = k * tileWidth;
            node.y = r * tileHeight;
            node.solid = code == 'G' || code == 'P';
            node.cost = node.solid ? 0 : 100;
            nodes.push_back(node);
        }
    }
}

ReferencePathSearch::Node* ReferencePathSearch::nodeAt(int column, int row) {
    if (column < 0 || row < 0 || column >= width || row >= height) {
        return nullptr;
    }
    return &nodes[row * width + column];
}

ReferencePathSearch::CellState ReferencePathSearch::cellState(int column, int row) {
    const Node* node = nodeAt(column, row);
    CellState state;
    if (node->parent != nullptr) {
        state.parentColumn = node->parent->x / tileWidth;
        state.parentRow = node->parent->y / tileHeight;
    }
    state.inOpenList = node->inOpenList;
    state.inClosedList = node->inClosedList;
    state.f = node->f;
    state.g = node->g;
    state.h = node->h;
    return state;
}

void ReferencePathSearch::findPath(int startX, int startY, int goalX, int goalY, int& outX,
                                   int& outY) {
    // 1. Fresh lists and scores; parents stay.
    openList.clear();
    for (Node& node : nodes) {
        node.inOpenList = false;
        node.inClosedList = false;
        node.f = 0;
        node.g = 0;
        node.h = 0;
    }
    // 2. Both cells must exist.
    const int goalColumn = goalX / tileWidth;
    const int goalRow = goalY / tileHeight;
    Node* goal = nodeAt(goalColumn, goalRow);
    Node* start = nodeAt(startX / tileWidth, startY / tileHeight);
    if (goal == nullptr || start == nullptr) {
        outX = -999;
        outY = -999;
        return;
    }
    // 3.
    start->f = 0;
    Node* current = start;
    openList.push_back(start);
    // 4. One cell: outputs untouched.
    if (current->x == goal->x && current->y == goal->y) {
        return;
    }
    // 5.
    do {
        Node* best = nullptr;
        for (Node* node : openList) {
            if (best == nullptr || node->f <= best->f) {
                best = node;
            }
        }
        current = best;
        current->inClosedList = true;
        current->inOpenList = false;
        openList.remove(current);
        const int column = current->x / tileWidth;
        const int row = current->y / tileHeight;
        const int neighbours[4][2] = {
            {column + 1, row}, {column, row + 1}, {column - 1, row}, {column, row - 1}};
        for (const auto& cell : neighbours) {
            Node* n = nodeAt(cell[0], cell[1]);
            if (n == nullptr || n->solid || n->inClosedList) {
                continue;
            }
            const int distance = std::abs(cell[0] - goalColumn) + std::abs(cell[1] - goalRow);
            if (n->inOpenList) {
                if (n->parent->g > current->g) {
                    n->parent = current;
                    n->g = n->cost + current->g;
                    n->h = n->cost * distance;
                    n->f = n->g + n->h;
                }
            } else {
                n->parent = current;
                n->g = n->cost + current->g;
                n->h = n->cost * distance;
                n->f = n->g + n->h;
                n->inOpenList = true;
                openList.push_back(n);
            }
        }
    } while (current != goal && !openList.empty());
    // 6. and 7.
    if (current == goal) {
        Node* step = goal;
        while (step->parent != start) {
            step = step->parent;
        }
        outX = step->x;
        outY = step->y;
    } else {
        outX = -999;
        outY = -999;
    }
}

}  // namespace worldtest
