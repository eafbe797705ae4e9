#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "tools/levelcheck/MoveSimulator.h"

// The player states a search has seen, as one bit per state. Space is cut into
// cell-sized blocks, each allocated when first touched, so that states near each
// other share memory and a search touches only the blocks it reaches. A block
// holds every pixel position of one cell and every vertical speed, in half
// pixels per step, from kLowestSpeedUnit on.
class VisitedSet {
public:
    static constexpr int kBlockSize = 32;
    static constexpr int kLowestSpeedUnit = -64;  // -32 pixels per step, rising
    static constexpr int kSpeedUnits = 128;       // up to +31.5 pixels per step
    static constexpr float kSpeedUnit = 0.5f;     // speeds change in half pixels
    // Cells kept above the level (the highest jump rises a little over 4).
    static constexpr int kCellsAbove = 8;
    // Blocks allocated at most; a search that needs more has met a bound.
    static constexpr int kMaxBlocks = 8192;

    // The area around a level columns x rows cells wide: the level, kCellsAbove
    // cells above it and, to each side, more than a player falling from the top
    // of the area to the bottom can drift; nothing below the level.
    VisitedSet(int columns, int rows);

    // Whether state lies in the area, with a whole speed in half pixels in range.
    bool covers(const PlayerState& state) const;
    // Marks state (which must be covered) as seen; true when it was not seen before.
    bool insert(const PlayerState& state);
    // The area's bounds in world pixels: left and top inclusive, right and bottom not.
    long long areaLeft() const { return left; }
    long long areaTop() const { return top; }
    long long areaRight() const { return right; }
    long long areaBottom() const { return bottom; }
    // True once a block could not be allocated because of kMaxBlocks.
    bool isFull() const { return full; }

private:
    static constexpr int kWordBits = 64;
    static constexpr int kBlockWords = kBlockSize * kBlockSize * kSpeedUnits / kWordBits;
    using Block = std::vector<std::uint64_t>;

    // The block holding the area pixel (dx, dy), allocated on first use; null when full.
    Block* blockAt(long long dx, long long dy);

    long long left;    // world x of the area's left edge
    long long top;     // world y of the area's top edge
    long long right;   // world x just past the area
    long long bottom;  // world y just past the area
    std::unordered_map<long long, std::unique_ptr<Block>> blocks;
    long long lastKey = -1;  // the block used last, looked up again most often
    Block* lastBlock = nullptr;
    bool full = false;
};
