#include "benchmarks/StressMaps.h"

#include <random>

#include "game/world/LevelFile.h"

namespace stressmaps {

namespace {
// Fixed so every run times the same maze.
constexpr unsigned kMazeSeed = 2024;
constexpr int kMiddleRow = kHeight / 2;
constexpr int kLastColumn = kWidth - 1;

SDL_Point cellCorner(int column, int row) {
    return SDL_Point{column * kTile, row * kTile};
}

std::vector<std::string> corridorRows() {
    std::vector<std::string> rows(kHeight, std::string(kWidth, '.'));
    rows.front() = std::string(kWidth, 'G');
    rows.back() = std::string(kWidth, 'G');
    return rows;
}
}  // namespace

PathCase shippedLevel(const std::string& name, const std::string& path) {
    PathCase level{name, LevelFile::readRows(path), {}};
    SDL_Point player{0, 0};
    std::vector<SDL_Point> birds;
    for (int r = 0; r < static_cast<int>(level.rows.size()); ++r) {
        for (int k = 0; k < static_cast<int>(level.rows[r].size()); ++k) {
            if (level.rows[r][k] == 'E') {
                player = cellCorner(k, r);
            } else if (level.rows[r][k] == 'I') {
                birds.push_back(cellCorner(k, r));
            }
        }
    }
    for (const SDL_Point& bird : birds) {
        level.searches.emplace_back(bird, player);
    }
    return level;
}

PathCase corridor() {
    return PathCase{"Corridor",
                    corridorRows(),
                    {{cellCorner(0, kMiddleRow), cellCorner(kLastColumn, kMiddleRow)}}};
}

PathCase maze() {
    std::vector<std::string> rows = corridorRows();
    std::mt19937 random(kMazeSeed);
    std::uniform_int_distribution<int> spacing(3, 7);
    std::uniform_int_distribution<int> gapRow(1, kHeight - 2);
    // Columns of a wall and its two neighbours; ledges keep out of them, so each
    // stretch between two walls stays open from top to bottom at both ends.
    std::vector<bool> nearWall(kWidth, false);
    for (int column = spacing(random); column < kLastColumn - 1; column += spacing(random)) {
        for (int r = 1; r < kHeight - 1; ++r) {
            rows[r][column] = column % 2 == 0 ? 'G' : 'P';
        }
        rows[gapRow(random)][column] = '.';
        nearWall[column - 1] = true;
        nearWall[column] = true;
        nearWall[column + 1] = true;
    }
    std::uniform_int_distribution<int> ledgeColumn(0, kWidth - 8);
    std::uniform_int_distribution<int> ledgeRow(2, kHeight - 3);
    std::uniform_int_distribution<int> ledgeLength(2, 5);
    for (int i = 0; i < kWidth / 6; ++i) {
        const int r = ledgeRow(random);
        const int first = ledgeColumn(random);
        const int length = ledgeLength(random);
        for (int k = first; k < first + length; ++k) {
            if (!nearWall[k]) {
                rows[r][k] = 'P';
            }
        }
    }
    rows[kMiddleRow][0] = '.';
    rows[kMiddleRow][kLastColumn] = '.';
    return PathCase{
        "Maze", rows, {{cellCorner(0, kMiddleRow), cellCorner(kLastColumn, kMiddleRow)}}};
}

PathCase unreachable() {
    std::vector<std::string> rows = corridorRows();
    rows[kMiddleRow - 1][kLastColumn] = 'G';
    rows[kMiddleRow + 1][kLastColumn] = 'G';
    rows[kMiddleRow][kLastColumn - 1] = 'P';
    return PathCase{
        "Unreachable", rows, {{cellCorner(0, kMiddleRow), cellCorner(kLastColumn, kMiddleRow)}}};
}

}  // namespace stressmaps
