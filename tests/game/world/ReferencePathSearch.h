#pragma once

#include <list>
#include <string>
#include <vector>

namespace worldtest {

// A deliberately literal path search over a level's cells, kept as the oracle for
// TileMap::findPath: a plain list scanned from front to back where "<=" lets the
// later of two equal f values win, neighbours right, down, left, up, re-parenting
// an open node only when its parent's g exceeds the current g, parents kept from
// one search to the next, outputs left alone when start and goal share a cell and
// -999 when either cell is missing or the open list runs empty.
//
// The grid is the one TileMap documents: width of row 0 times the number of rows,
// a cell missing from a shorter row is empty, cells past row 0's width do not
// exist, and a grid above TileMap::kMaxPathCells cells has no cells at all.
class ReferencePathSearch {
public:
    ReferencePathSearch(const std::vector<std::string>& rows, int tileWidth, int tileHeight);

    // What one cell holds after the last search; parent -1, -1 when it has none.
    struct CellState {
        int parentColumn = -1;
        int parentRow = -1;
        bool inOpenList = false;
        bool inClosedList = false;
        float f = 0.0f;
        float g = 0.0f;
        float h = 0.0f;
    };

    // One search; parents left by earlier searches stay in place.
    void findPath(int startX, int startY, int goalX, int goalY, int& outX, int& outY);
    // The search fields of a cell inside the grid, for comparing what searches leave.
    CellState cellState(int column, int row);

private:
    struct Node {
        int x = 0;
        int y = 0;
        Node* parent = nullptr;
        bool inOpenList = false;
        bool inClosedList = false;
        bool solid = false;
        float f = 0.0f;
        float g = 0.0f;
        float h = 0.0f;
        int cost = 0;
    };

    Node* nodeAt(int column, int row);

    int tileWidth;
    int tileHeight;
    int width = 0;
    int height = 0;
    std::vector<Node> nodes;
    std::list<Node*> openList;
};

}  // namespace worldtest
