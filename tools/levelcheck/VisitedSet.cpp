#include "tools/levelcheck/VisitedSet.h"

#include <cmath>

namespace {
// Cells of area to each side of a level rows high: a fall across the whole area
// takes 4 steps a cell at the terminal speed of 8 pixels per step, drifting 3
// pixels a step, under half a cell per cell fallen; a jump adds under 2 cells.
long long sideCells(long long rows) {
    return (rows + VisitedSet::kCellsAbove) / 2 + VisitedSet::kCellsAbove;
}
}  // namespace

long long VisitedSet::areaBlocks(long long columns, long long rows) {
    return (columns + 2 * sideCells(rows)) * (rows + kCellsAbove);
}

VisitedSet::VisitedSet(int columns, int rows) {
    const long long side = sideCells(rows);
    const long long blockColumnsWide = columns + 2 * side;
    const long long blockRowsHigh = rows + kCellsAbove;
    left = static_cast<int>(-side * kBlockSize);
    top = -kCellsAbove * kBlockSize;
    right = static_cast<int>((columns + side) * kBlockSize);
    bottom = rows * kBlockSize;
    blockColumns = static_cast<int>(blockColumnsWide);
    blocks.resize(static_cast<size_t>(blockColumnsWide * blockRowsHigh));
}

bool VisitedSet::covers(const PlayerState& state) const {
    const float units = state.velocityY / kSpeedUnit;
    return state.x >= left && state.x < right && state.y >= top && state.y < bottom &&
           units >= kLowestSpeedUnit && units < kLowestSpeedUnit + kSpeedUnits &&
           units == std::floor(units);
}

bool VisitedSet::insert(const PlayerState& state) {
    const int dx = state.x - left;
    const int dy = state.y - top;
    std::unique_ptr<Block>& block =
        blocks[static_cast<size_t>(dy / kBlockSize) * blockColumns + dx / kBlockSize];
    if (block == nullptr) {
        if (allocated == kMaxBlocks) {
            full = true;
            return false;
        }
        block = std::make_unique<Block>(kBlockWords, 0);
        ++allocated;
    }
    const int speed = static_cast<int>(state.velocityY / kSpeedUnit) - kLowestSpeedUnit;
    const int bit = (speed * kBlockSize + dy % kBlockSize) * kBlockSize + dx % kBlockSize;
    std::uint64_t& word = (*block)[bit / kWordBits];
    const std::uint64_t mask = std::uint64_t{1} << (bit % kWordBits);
    if ((word & mask) != 0) {
        return false;
    }
    word |= mask;
    return true;
}
