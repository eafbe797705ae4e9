#pragma once

#include <string>
#include <vector>

namespace reliability {

// What a run printed to standard output, sorted into the game's expected
// failure messages: a bitmap that did not load ("SURFACE for bitmap '<path>' not
// loaded " and SDL's error on the next line) and a text line that could not be
// drawn ("Surface not loaded for font " and the error followed by a blank).
// The flying enemy's "SAME LOCATION", printed without a line end, is dropped.
struct ConsoleReport {
    // Paths named by bitmap messages, in the order printed (repeats kept).
    std::vector<std::string> bitmaps;
    // Number of font failure messages.
    int fontFailures = 0;
    // Every line that is none of the above, nor the error line of one of them.
    std::vector<std::string> unexpected;

    // Sorts captured output.
    static ConsoleReport of(const std::string& output);
    // True when every bitmap path begins with one of the prefixes.
    bool bitmapsAllUnder(const std::vector<std::string>& prefixes) const;
};

}  // namespace reliability
