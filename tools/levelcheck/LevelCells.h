#pragma once

#include <string>
#include <vector>

// A cell of the grid; row and column count from 0 (the report adds 1).
struct Cell {
    int row = 0;
    int column = 0;
};

// The rows of a level file with its cells indexed by code, in reading order (row
// by row from the top, each row from the left), the order in which the game
// spawns entities.
class LevelCells {
public:
    // Indexes rows; the rows are kept.
    explicit LevelCells(std::vector<std::string> rows);

    // The rows as read, row 0 first.
    const std::vector<std::string>& rows() const { return grid; }
    // Every cell holding code, in reading order.
    const std::vector<Cell>& cellsOf(char code) const;
    // Number of cells in the grid (the sum of the row lengths).
    long long cellCount() const { return cells; }
    // Length of the longest row.
    int widestRow() const { return widest; }

private:
    std::vector<std::string> grid;
    std::vector<std::vector<Cell>> byCode;
    long long cells = 0;
    int widest = 0;
};
