#include "game/shell/BestTimeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "common/SafeFileWriter.h"

namespace {

// Converts one line; false when it holds no number or one outside 32 bits.
bool convertLine(const std::string& line, int32_t& value) {
    const char* start = line.c_str();
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE || parsed < std::numeric_limits<int32_t>::min() ||
        parsed > std::numeric_limits<int32_t>::max()) {
        return false;
    }
    value = static_cast<int32_t>(parsed);
    return true;
}

// Reads the first lines of a stream, each cut to kMaxLineChars, without ever
// holding more than that per line, however long the file's lines are.
std::string readLeadingLines(std::FILE* file) {
    std::string text;
    size_t lineLength = 0;
    int lines = 0;
    int c;
    while (lines < BestTimeFile::kLevelCount && (c = std::fgetc(file)) != EOF) {
        if (c == '\n') {
            text.push_back('\n');
            ++lines;
            lineLength = 0;
        } else if (lineLength < BestTimeFile::kMaxLineChars) {
            // Kept as it is: a NUL ends the line's number in parse, as it ends a C string.
            text.push_back(static_cast<char>(c));
            ++lineLength;
        }
    }
    return text;
}

}  // namespace

void BestTimeFile::parse(const std::string& text, Times& times) {
    size_t begin = 0;
    for (int line = 0; line < kLevelCount && begin <= text.size(); ++line) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (begin == text.size() && end == text.size()) {
            break;  // no further line: a final line break starts no new line
        }
        std::string current = text.substr(begin, std::min(end - begin, kMaxLineChars));
        current.erase(std::find(current.begin(), current.end(), '\0'), current.end());
        convertLine(current, times[line]);
        begin = end + 1;
    }
}

bool BestTimeFile::read(const std::string& path, Times& times) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        return false;
    }
    const std::string text = readLeadingLines(file);
    std::fclose(file);
    parse(text, times);
    return true;
}

std::string BestTimeFile::format(const Times& times) {
    std::string text;
    for (int i = 0; i < kLevelCount; ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += std::to_string(times[i]);
    }
    return text;
}

bool BestTimeFile::write(const std::string& path, const Times& times) {
    std::string problem;
    if (!SafeFileWriter::write(path, format(times), problem)) {
        std::printf("Could not save best times to %s: %s\n", path.c_str(), problem.c_str());
        std::fflush(stdout);
        return false;
    }
    return true;
}
