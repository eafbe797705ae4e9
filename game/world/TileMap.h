#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/world/PathSearch.h"

// One cell of the path-finding grid.
struct PathNode {
    int x = 0;                   // world x of the cell's left edge
    int y = 0;                   // world y of the cell's top edge
    PathNode* parent = nullptr;  // where the last search reached this cell from
    bool inOpenList = false;     // waiting on the open list of the running search
    bool inClosedList = false;   // already expanded by the running search
    bool solid = false;          // 'G' or 'P': never entered
    float f = 0.0f;              // g + h
    float g = 0.0f;              // cost from the start
    float h = 0.0f;              // estimated cost to the goal
    int cost = 0;                // cost of stepping onto this cell
};

// The grid of one level file: draws the tile cells, keeps the horizontal camera,
// answers wall, platform and row queries, and finds paths for flying enemies.
//
// Pixel-to-cell arithmetic truncates toward zero, so x from -31 to 31 is column 0
// with 32-pixel tiles. Rows may differ in length; nothing ever reads outside them:
// - drawing and the wall and platform queries use each row's own length;
// - the camera and the path grid use the width of row 0 (the map width). The path
//   grid has one node per cell of width x height; a cell missing from a shorter
//   row counts as empty (walkable, as it is for the wall query) and a cell past
//   the map width in a longer row lies outside the path grid;
// - a grid of more than kMaxPathCells cells has no path grid at all: nodeAt gives
//   none and findPath reports -999, so a pathological file cannot exhaust memory.
// A tile size of 0 counts as 1. Rows starting below the 480-pixel window are
// skipped when drawing, as nothing there can be seen. The path search (PathSearch)
// keeps its open list in buckets of equal score and caches answers per start and
// goal cell: a search costs about the number of nodes it reaches, and a repeated
// one a lookup.
class TileMap {
public:
    // Largest path grid built (cells); real levels are a few thousand cells.
    static constexpr std::int64_t kMaxPathCells = std::int64_t{1} << 20;
    // Written to both outputs of findPath when there is no path.
    static constexpr int kNoPath = -999;

    // Stores the renderer (borrowed) and tile sizes, loads the level file at path
    // (an empty or missing path gives no rows), then the three tile bitmaps.
    TileMap(SDL_Renderer* renderer, const std::string& path, std::uint8_t tileWidth,
            std::uint8_t tileHeight);
    // Releases the nodes and the three tile textures.
    ~TileMap();
    TileMap(const TileMap&) = delete;
    TileMap& operator=(const TileMap&) = delete;

    // Replaces rows and nodes with those of the level file at path; the camera and
    // textures stay.
    void load(const std::string& path);
    // Replaces rows and nodes with the given rows, as load does for a file.
    void loadRows(std::vector<std::string> newRows);
    // Draws the tile cells visible through the camera; call before other drawing.
    void render();
    // Follows the player's world x (y is unused); stops scrolling near the right end.
    void updateCamera(int x, int y);
    // Places the camera for a level's first frame so that world x is in view: as
    // updateCamera would, except that near the right end the view shows the map's
    // last window width, and x past row 0's end is put half a window in.
    void showAtStart(int x);
    // Horizontal scroll in pixels; world objects draw at x - getCameraX().
    int getCameraX() const { return cameraX; }
    // A copy of the rows, row 0 first.
    std::vector<std::string> getRows() const { return rows; }
    // Number of rows.
    int rowCount() const;
    // Length of row r; 0 for a row that does not exist.
    int rowLength(int r) const;
    // Width of the map in cells: the length of row 0, 0 without rows.
    int mapWidth() const;
    // The path node of a cell, or null outside the path grid; read-only, as the
    // path cache relies on the nodes. Its search fields show the last search that
    // ran; a search answered from the cache clears the flags and scores (as every
    // search does first) and keeps the parents.
    const PathNode* nodeAt(int column, int row) const;
    // True when (x, y) lies in a 'G' or 'U' cell of the grid.
    bool isWall(int x, int y) const;
    // True when (x, y) lies in a 'P' cell of the grid.
    bool isPlatform(int x, int y) const;
    // True when y1 and y2 lie in the same cell row.
    bool isSameRow(int y1, int y2) const;
    // Writes the top-left corner of the first cell on a shortest path from the cell
    // of (startX, startY) to that of (goalX, goalY); -999 to both when there is no
    // path or either cell is outside the path grid; nothing when both are one cell.
    void findPath(int startX, int startY, int goalX, int goalY, int& outX, int& outY);

private:
    // The cell code at world pixel (x, y), or 0 when no cell is there.
    char cellAt(int x, int y) const;
    void buildNodes();
    void loadTexture(SDL_Texture*& texture, const char* path);

    SDL_Renderer* renderer;
    int tileWidth;
    int tileHeight;
    std::vector<std::string> rows;
    SDL_Texture* groundTexture = nullptr;
    SDL_Texture* blackTexture = nullptr;
    SDL_Texture* platformTexture = nullptr;
    int cameraX = 0;
    std::vector<PathNode> nodes;
    int gridWidth = 0;         // columns of the path grid (0 when there is none)
    int gridHeight = 0;        // rows of the path grid
    PathSearch search{nodes};  // declared after nodes, which it borrows
};
