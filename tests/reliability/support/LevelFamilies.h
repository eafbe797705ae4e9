#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace reliability {

// One family of hostile level files.
struct LevelFamily {
    const char* name;
    std::string (*make)();
};

// Test output names a family by its name.
void PrintTo(const LevelFamily& family, std::ostream* out);

// Level files of every shape the catalogue tries: noise, one enormous line, a
// hundred thousand rows, CR LF ends, rows of unequal length, no player or no
// door, several of each, nothing but entity cells, empty, NUL and high bytes,
// carriage returns without line feeds. Each family makes the same bytes every time.
class LevelFamilies {
public:
    // Bytes in a 10 MB single-line level.
    static constexpr size_t kLongLineBytes = 10 * 1024 * 1024;
    static constexpr int kManyRows = 100000;

    static const std::vector<LevelFamily>& all();
    // The rows a line-by-line reader gives for bytes: lines split at LF, a CR
    // right before an LF dropped, no row after a final LF. Written independently
    // of both programs' readers, as the reference they are checked against.
    static std::vector<std::string> rowsOf(const std::string& bytes);
    // The rows joined back, each followed by "\n": what a save writes.
    static std::string joined(const std::vector<std::string>& rows);
};

}  // namespace reliability
