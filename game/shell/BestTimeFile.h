#pragma once

#include <array>
#include <cstdint>
#include <string>

// The high-score file: three lines of decimal best times in whole seconds, one
// per level, a line break between them and none after the third.
class BestTimeFile {
public:
    static constexpr int kLevelCount = 3;
    // Start value of a level with no recorded time; any real completion beats it.
    static constexpr int32_t kNoTime = 99999;
    // Only the leading characters of a line can hold a number; the rest is skipped.
    static constexpr size_t kMaxLineChars = 64;

    using Times = std::array<int32_t, kLevelCount>;

    // Stores lines 1..3 of text into times. A line converts like strtol in base 10
    // (leading blanks, optional sign, digits, anything after ignored); a line with
    // no number or one outside 32 bits leaves its field as it was. Later lines are ignored.
    static void parse(const std::string& text, Times& times);
    // Reads the file at path into times as parse does; false (times untouched)
    // when it cannot be opened.
    static bool read(const std::string& path, Times& times);
    // The file's text: "%d\n%d\n%d".
    static std::string format(const Times& times);
    // Replaces the file's contents through SafeFileWriter (a link is followed, the
    // mode, owner, group and other links are kept); a file without write
    // permission is not replaced. On failure prints one line to standard output,
    // leaves the old file as it was and answers false.
    static bool write(const std::string& path, const Times& times);
};
