#include "tools/levelcheck/LevelFormCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

namespace {
// Every code the game gives a meaning to ('.' is the editor's empty cell).
constexpr const char* kKnownCodes = "GPMUEDICHA.";
// The editor places this code and the game treats it as empty.
constexpr char kEditorBlank = 'B';
constexpr int kByteValues = 256;
// What an editor that saves UTF-8 with a byte-order mark puts first.
constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t kByteOrderMarkSize = 3;
// Codes that stand for something the player should see.
constexpr const char* kEntityCodes = "EUCDIHA";

std::string quoted(char code) {
    const unsigned char byte = static_cast<unsigned char>(code);
    if (std::isprint(byte)) {
        return std::string("'") + code + "'";
    }
    char text[8];
    std::snprintf(text, sizeof text, "'\\x%02X'", byte);
    return text;
}

std::string where(const Cell& cell) {
    return "row " + std::to_string(cell.row + 1) + ", column " + std::to_string(cell.column + 1);
}
}  // namespace

void LevelFormCheck::check(const LevelCells& level, LevelReport& report) {
    if (level.rows().empty()) {
        report.addForFile(Severity::Error, "the level file is empty");
        return;
    }
    if (byteOrderMark(level) > 0) {
        report.addForFile(Severity::Warning,
                          "the file starts with a UTF-8 byte-order mark (bytes EF BB BF), which "
                          "the game reads as 3 extra cells at the start of row 1: save the file "
                          "without it");
    }
    checkRowLengths(level, report);
    checkSingle(level, 'E', "player start", report);
    checkSingle(level, 'U', "door", report);
    checkCoins(level, report);
    checkCodes(level, report);
    checkVisibleRows(level, report);
}

size_t LevelFormCheck::byteOrderMark(const LevelCells& level) {
    const std::string& first = level.rows().front();
    return first.compare(0, kByteOrderMarkSize, kByteOrderMark) == 0 ? kByteOrderMarkSize : 0;
}

void LevelFormCheck::checkVisibleRows(const LevelCells& level, LevelReport& report) {
    int listed = 0;
    for (size_t r = kVisibleRows; r < level.rows().size(); ++r) {
        const std::string& row = level.rows()[r];
        for (size_t k = 0; k < row.size(); ++k) {
            if (std::string(kEntityCodes).find(row[k]) == std::string::npos || row[k] == '\0') {
                continue;
            }
            if (listed++ < kMaxListed) {
                report.add(static_cast<int>(r) + 1, static_cast<int>(k) + 1, Severity::Warning,
                           quoted(row[k]) + " lies below the " + std::to_string(kVisibleRows) +
                               " rows the window shows: the player can never see it");
            }
        }
    }
    if (listed > kMaxListed) {
        report.addForFile(Severity::Warning, std::to_string(listed - kMaxListed) +
                                                 " more entities lie below the rows the window "
                                                 "shows");
    }
}

void LevelFormCheck::checkRowLengths(const LevelCells& level, LevelReport& report) {
    const std::vector<std::string>& rows = level.rows();
    // With a byte-order mark, rows as long as row 1 without it are not uneven:
    // the mark alone is named.
    const size_t width = rows.front().size() - byteOrderMark(level);
    int listed = 0;
    int unlisted = 0;
    for (size_t r = 1; r < rows.size(); ++r) {
        if (rows[r].size() == width) {
            continue;
        }
        if (listed == kMaxListed) {
            ++unlisted;
            continue;
        }
        ++listed;
        const int column = static_cast<int>(std::min(rows[r].size(), width)) + 1;
        report.add(static_cast<int>(r) + 1, column, Severity::Warning,
                   "row has " + std::to_string(rows[r].size()) + " cells but row 1 has " +
                       std::to_string(width) + " (the map is as wide as row 1)");
    }
    if (unlisted > 0) {
        report.addForFile(Severity::Note,
                          std::to_string(unlisted) + " more rows differ in length from row 1");
    }
}

void LevelFormCheck::checkSingle(const LevelCells& level, char code, const char* what,
                                 LevelReport& report) {
    const std::vector<Cell>& cells = level.cellsOf(code);
    if (cells.empty()) {
        report.addForFile(Severity::Error, std::string("no ") + what + " " + quoted(code));
        return;
    }
    const Cell& last = cells.back();
    const size_t extra = cells.size() - 1;
    for (size_t i = 0; i < extra && i < static_cast<size_t>(kMaxListed); ++i) {
        report.add(cells[i].row + 1, cells[i].column + 1, Severity::Warning,
                   std::string("several ") + what + "s " + quoted(code) +
                       ": this one is ignored, the last one (" + where(last) + ") counts");
    }
    if (extra > static_cast<size_t>(kMaxListed)) {
        report.addForFile(Severity::Note, std::to_string(extra - kMaxListed) + " more ignored " +
                                              what + "s " + quoted(code));
    }
    if (code == 'U' && extra > 0) {
        report.add(last.row + 1, last.column + 1, Severity::Note,
                   "every door cell 'U' is a wall, the ignored ones too");
    }
}

void LevelFormCheck::checkCoins(const LevelCells& level, LevelReport& report) {
    const size_t coins = level.cellsOf('C').size();
    if (coins < static_cast<size_t>(kCoinsNeeded)) {
        report.addForFile(Severity::Error, "only " + std::to_string(coins) +
                                               " coins 'C': the door needs 800 points, that is " +
                                               std::to_string(kCoinsNeeded) + " coins of 100");
    }
}

void LevelFormCheck::checkCodes(const LevelCells& level, LevelReport& report) {
    const std::string known = kKnownCodes;
    int listed = 0;
    for (int value = 0; value < kByteValues; ++value) {
        const char code = static_cast<char>(value);
        const std::vector<Cell>& cells = level.cellsOf(code);
        if (cells.empty() || known.find(code) != std::string::npos) {
            continue;
        }
        if (listed++ >= kMaxListed) {
            continue;
        }
        if (byteOrderMark(level) > 0 && cells.size() == 1 && cells.front().row == 0 &&
            cells.front().column < static_cast<int>(kByteOrderMarkSize)) {
            --listed;
            continue;
        }
        const Cell& first = cells.front();
        const std::string count =
            std::to_string(cells.size()) + " cell" + (cells.size() == 1 ? "" : "s");
        const std::string message =
            code == kEditorBlank
                ? quoted(code) + " (placed by the editor) is treated as empty (" + count + ")"
                : quoted(code) + " is not a cell code and is treated as empty (" + count + ")";
        report.add(first.row + 1, first.column + 1, Severity::Note, message);
    }
    if (listed > kMaxListed) {
        report.addForFile(Severity::Note, std::to_string(listed - kMaxListed) +
                                              " more characters are not cell codes");
    }
}
