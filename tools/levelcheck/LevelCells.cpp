#include "tools/levelcheck/LevelCells.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int kByteValues = 256;

int indexOf(char code) {
    return static_cast<unsigned char>(code);
}
}  // namespace

LevelCells::LevelCells(std::vector<std::string> rows_)
    : grid(std::move(rows_)), byCode(kByteValues) {
    for (size_t r = 0; r < grid.size(); ++r) {
        const std::string& row = grid[r];
        cells += static_cast<long long>(row.size());
        widest = std::max(widest, static_cast<int>(row.size()));
        for (size_t k = 0; k < row.size(); ++k) {
            byCode[indexOf(row[k])].push_back(Cell{static_cast<int>(r), static_cast<int>(k)});
        }
    }
}

const std::vector<Cell>& LevelCells::cellsOf(char code) const {
    return byCode[indexOf(code)];
}
