#include "tools/levelcheck/VisitedSet.h"

#include <cmath>

namespace {
// Cells of area to each side of a level rows high: a fall across the whole area
// takes 4 steps a cell at the terminal speed of 8 pixels per step, drifting 3
// pixels a step, under half a cell per cell fallen; a jump adds under 2 cells.
long long sideCells(long long rows) {
    return (rows + VisitedSet::kCellsAbove) / 2 + VisitedSet::kCellsAbove;
}
// Block keys: block row times this plus block column.
constexpr long long kKeyStride = 1LL << 32;
}  // namespace

VisitedSet::VisitedSet(int columns, int rows) {
    const long long side = sideCells(rows);
    left = -side * kBlockSize;
    top = -static_cast<long long>(kCellsAbove) * kBlockSize;
    right = (columns + side) * kBlockSize;
    bottom = static_cast<long long>(rows) * kBlockSize;
}

bool VisitedSet::covers(const PlayerState& state) const {
    const float units = state.velocityY / kSpeedUnit;
    return state.x >= left && state.x < right && state.y >= top && state.y < bottom &&
           units >= kLowestSpeedUnit && units < kLowestSpeedUnit + kSpeedUnits &&
           units == std::floor(units);
}

VisitedSet::Block* VisitedSet::blockAt(long long dx, long long dy) {
    const long long key = (dy / kBlockSize) * kKeyStride + dx / kBlockSize;
    if (key == lastKey) {
        return lastBlock;
    }
    std::unique_ptr<Block>& block = blocks[key];
    if (block == nullptr) {
        if (blocks.size() > static_cast<size_t>(kMaxBlocks)) {
            blocks.erase(key);
            full = true;
            return nullptr;
        }
        block = std::make_unique<Block>(kBlockWords, 0);
    }
    lastKey = key;
    lastBlock = block.get();
    return lastBlock;
}

bool VisitedSet::insert(const PlayerState& state) {
    const long long dx = state.x - left;
    const long long dy = state.y - top;
    Block* block = blockAt(dx, dy);
    if (block == nullptr) {
        return false;
    }
    const int speed = static_cast<int>(state.velocityY / kSpeedUnit) - kLowestSpeedUnit;
    const long long bit = (speed * kBlockSize + dy % kBlockSize) * kBlockSize + dx % kBlockSize;
    std::uint64_t& word = (*block)[bit / kWordBits];
    const std::uint64_t mask = std::uint64_t{1} << (bit % kWordBits);
    if ((word & mask) != 0) {
        return false;
    }
    word |= mask;
    return true;
}
