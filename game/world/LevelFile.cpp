#include "game/world/LevelFile.h"

#include <cstdio>

namespace {
constexpr std::size_t kReadChunk = 64 * 1024;
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
    // C streams: a folder or unreadable file simply reads as nothing.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return {};
    }
    std::string bytes;
    char chunk[kReadChunk];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, count);
    }
    std::fclose(file);
    return splitRows(bytes);
}
