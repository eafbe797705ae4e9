#include "tests/fuzz/BestTimesFuzzEntry.h"

#include <climits>
#include <string>

#include "game/shell/BestTimeFile.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

constexpr int kDecimalBase = 10;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// The number at the head of a line, converted by hand: blanks, an optional
// sign, decimal digits; false when there are no digits or the value does not
// fit in 32 bits. Only the reader's first kMaxLineChars characters count, and a
// NUL ends the line as it ends a C string.
bool numberOf(std::string line, std::int32_t& value) {
    line = line.substr(0, BestTimeFile::kMaxLineChars);
    line = line.substr(0, line.find('\0'));
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i])) {
        ++i;
    }
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    bool digits = false;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        digits = true;
        magnitude = magnitude * kDecimalBase + (line[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) {
            return false;
        }
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (!digits || signedValue > INT_MAX || signedValue < INT_MIN) {
        return false;
    }
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

BestTimeFile::Times expectedTimes(const std::string& text, const BestTimeFile::Times& start) {
    BestTimeFile::Times times = start;
    std::size_t begin = 0;
    for (int line = 0; line < BestTimeFile::kLevelCount && begin < text.size(); ++line) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        numberOf(text.substr(begin, end - begin), times[static_cast<std::size_t>(line)]);
        begin = end + 1;
    }
    return times;
}

}  // namespace

int fuzzBestTimes(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    FuzzInput input(data, size);
    BestTimeFile::Times start{};
    for (std::int32_t& value : start) {
        value = static_cast<std::int32_t>(input.next());
    }

    BestTimeFile::Times parsed = start;
    BestTimeFile::parse(text, parsed);
    FuzzInput::require(parsed == expectedTimes(text, start),
                       "each value is kept or the number at the head of its line");

    const std::string path = FuzzInput::scratchFolder() + "/highscores.txt";
    FuzzInput::writeFile(path, text);
    BestTimeFile::Times read = start;
    FuzzInput::require(BestTimeFile::read(path, read), "an existing file is read");
    FuzzInput::require(read == parsed, "reading the file gives what parsing its text gives");

    FuzzInput::require(BestTimeFile::write(path, parsed), "a writable file is written");
    FuzzInput::require(FuzzInput::readFile(path) == BestTimeFile::format(parsed),
                       "the file holds the formatted values");
    BestTimeFile::Times again = start;
    BestTimeFile::read(path, again);
    FuzzInput::require(again == parsed, "written values read back exactly");
    return 0;
}
