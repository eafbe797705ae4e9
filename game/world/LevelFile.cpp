#include "game/world/LevelFile.h"

#include <fstream>
#include <iterator>

namespace {
constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
}  // namespace

std::vector<std::string> LevelFile::splitRows(const std::string& bytes) {
    std::vector<std::string> rows;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find(kLineFeed, start);
        if (end == std::string::npos) {
            rows.push_back(bytes.substr(start));
            break;
        }
        std::size_t length = end - start;
        if (length > 0 && bytes[end - 1] == kCarriageReturn) {
            --length;
        }
        rows.push_back(bytes.substr(start, length));
        start = end + 1;
    }
    return rows;
}

std::vector<std::string> LevelFile::readRows(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {};
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return splitRows(bytes);
}
