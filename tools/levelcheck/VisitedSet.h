#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "tools/levelcheck/MoveSimulator.h"

// The player states a search has seen, as one bit per state. The area around
// the level is cut into cell-sized blocks, each allocated when first touched, so
// that states near each other share memory (a search touches few blocks, and
// fast). Each block holds every pixel position of one cell and every vertical
// speed in half pixels per step from kLowestSpeed to kHighestSpeed.
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
    // Largest area (in blocks) whose block table is made; larger levels are not searched.
    static constexpr long long kMaxAreaBlocks = 1 << 22;

    // The area around a level columns x rows cells wide: the level, kCellsAbove
    // cells above it and, to each side, more than a player falling from the top
    // of the area to the bottom can drift; nothing below the level.
    VisitedSet(int columns, int rows);
    // Number of blocks in the area of a level columns x rows cells wide.
    static long long areaBlocks(long long columns, long long rows);

    // Whether state lies in the area, with a whole speed in half pixels in range.
    bool covers(const PlayerState& state) const;
    // Marks state (which must be covered) as seen; true when it was not seen before.
    bool insert(const PlayerState& state);
    // True once a block could not be allocated because of kMaxBlocks.
    bool isFull() const { return full; }

private:
    static constexpr int kWordBits = 64;
    static constexpr int kBlockWords = kBlockSize * kBlockSize * kSpeedUnits / kWordBits;
    using Block = std::vector<std::uint64_t>;

    int left;    // world x of the area's left edge
    int top;     // world y of the area's top edge
    int right;   // world x just past the area
    int bottom;  // world y just past the area
    int blockColumns;
    std::vector<std::unique_ptr<Block>> blocks;
    int allocated = 0;
    bool full = false;
};
