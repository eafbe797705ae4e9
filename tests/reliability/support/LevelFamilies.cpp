#include "tests/reliability/support/LevelFamilies.h"

#include "tests/reliability/support/DamagedFiles.h"

namespace reliability {

namespace {
constexpr size_t kNoiseBytes = 4096;
constexpr unsigned kNoiseSeed = 7;
constexpr int kRowCells = 32;
constexpr int kPlayerRow = 12;
constexpr int kGroundRow = 13;
constexpr int kVisibleRows = 15;
constexpr int kVisibleColumns = 20;

std::string walledRow(char inside, int cells) {
    return "G" + std::string(static_cast<size_t>(cells - 2), inside) + "G";
}

// The rows of a small level: walls left and right, ground below the player's row.
std::string smallLevel(const std::string& playerRow, const char* lineEnd) {
    std::string text;
    for (int r = 0; r < kVisibleRows; ++r) {
        std::string row = r < kPlayerRow    ? walledRow('.', kRowCells)
                          : r == kPlayerRow ? playerRow
                                            : std::string(kRowCells, 'G');
        text += row + lineEnd;
    }
    return text;
}

const std::string kWalkway = "G.ECCCCCCCC.....U..............G";

std::string noise() {
    return DamagedFiles::noise(kNoiseBytes, kNoiseSeed);
}

std::string longLine() {
    std::string line(LevelFamilies::kLongLineBytes, '.');
    line.front() = 'E';
    line.back() = 'U';
    return line;
}

std::string manyRows() {
    std::string text;
    text.reserve(static_cast<size_t>(LevelFamilies::kManyRows) * (kRowCells + 1));
    for (int r = 0; r < LevelFamilies::kManyRows; ++r) {
        if (r == kPlayerRow) {
            text += kWalkway + "\n";
        } else if (r == kGroundRow) {
            text += std::string(kRowCells, 'G') + "\n";
        } else {
            text += walledRow('.', kRowCells) + "\n";
        }
    }
    return text;
}

std::string crlf() {
    return smallLevel(kWalkway, "\r\n");
}

std::string unequalRows() {
    // Row 0 is short; later rows run past it with entities and walls out there.
    return "G..G\n"
           "\n"
           "G....................................I.........C....G\n"
           "G.\n"
           "G...........E................................D.......U...G\n"
           "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG\n"
           "GG\n";
}

std::string noPlayer() {
    return smallLevel("G...D....I....C..H..A....U.....G", "\n");
}

std::string noDoor() {
    return smallLevel("G.ECCCCCCCC.....................G", "\n");
}

std::string severalOfEach() {
    return smallLevel("G.E..E..U..U..E...CCCCCCCCC..U..G", "\n");
}

std::string onlyEntities() {
    const std::string codes = "EDICHAU";
    std::string text;
    size_t k = 0;
    for (int r = 0; r < kVisibleRows; ++r) {
        for (int c = 0; c < kVisibleColumns; ++c) {
            text += codes[k++ % codes.size()];
        }
        text += "\n";
    }
    return text;
}

std::string empty() {
    return "";
}

std::string nulAndHighBytes() {
    std::string row = walledRow('.', kRowCells);
    row[3] = '\0';
    row[4] = static_cast<char>(0xFF);
    row[5] = static_cast<char>(0x80);
    std::string player = kWalkway;
    player[1] = '\0';
    return smallLevel(player, "\n") + row + "\n";
}

std::string loneCarriageReturns() {
    return "GGGG\rGGGG\r\rE...U\r";
}

std::string onlyLineEnds() {
    return "\n\n\n\r\n\n";
}
}  // namespace

void PrintTo(const LevelFamily& family, std::ostream* out) {
    *out << family.name;
}

const std::vector<LevelFamily>& LevelFamilies::all() {
    static const std::vector<LevelFamily> kFamilies = {
        {"binary_noise", noise},
        {"ten_megabyte_line", longLine},
        {"hundred_thousand_rows", manyRows},
        {"crlf", crlf},
        {"unequal_rows", unequalRows},
        {"no_player", noPlayer},
        {"no_door", noDoor},
        {"several_of_each", severalOfEach},
        {"only_entity_cells", onlyEntities},
        {"empty", empty},
        {"nul_and_high_bytes", nulAndHighBytes},
        {"lone_carriage_returns", loneCarriageReturns},
        {"only_line_ends", onlyLineEnds},
    };
    return kFamilies;
}

std::vector<std::string> LevelFamilies::rowsOf(const std::string& bytes) {
    std::vector<std::string> rows;
    std::string current;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            rows.push_back(current);
            current.clear();
        } else if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            current += bytes[i];
        }
    }
    if (!current.empty()) {
        rows.push_back(current);
    }
    return rows;
}

std::string LevelFamilies::joined(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row + "\n";
    }
    return text;
}

}  // namespace reliability
