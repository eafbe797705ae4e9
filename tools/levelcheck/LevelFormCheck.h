#pragma once

#include "tools/levelcheck/LevelCells.h"
#include "tools/levelcheck/LevelReport.h"

// The checks that need only the characters of a level file: row lengths, the
// player start and the door, enough coins, and codes the game does not know.
class LevelFormCheck {
public:
    // Coins of 100 points each that the door's 800 points need.
    static constexpr int kCoinsNeeded = 8;
    // Repeated findings of one kind (rows of another length, extra starts or
    // doors) are listed up to this many; the rest are counted in one note.
    static constexpr int kMaxListed = 10;

    // Rows the window shows; anything below them is never seen.
    static constexpr int kVisibleRows = 15;

    // Adds every finding about level to report.
    static void check(const LevelCells& level, LevelReport& report);

private:
    static void checkRowLengths(const LevelCells& level, LevelReport& report);
    static void checkSingle(const LevelCells& level, char code, const char* what,
                            LevelReport& report);
    static void checkCoins(const LevelCells& level, LevelReport& report);
    static void checkCodes(const LevelCells& level, LevelReport& report);
    static void checkVisibleRows(const LevelCells& level, LevelReport& report);
    // Bytes of a UTF-8 byte-order mark at the start of row 1 (0 or 3).
    static size_t byteOrderMark(const LevelCells& level);
};
