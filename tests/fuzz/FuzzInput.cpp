#include "tests/fuzz/FuzzInput.h"

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {
constexpr int kBitsPerByte = 8;
constexpr std::size_t kReadChunk = 4096;
}  // namespace

std::uint8_t FuzzInput::nextByte() {
    if (size_ == 0) {
        return 0;
    }
    return data_[position_++ % size_];
}

std::uint32_t FuzzInput::next() {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < sizeof value; ++i) {
        value = (value << kBitsPerByte) | nextByte();
    }
    return value;
}

void FuzzInput::require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant failed: %s\n", what);
        std::abort();
    }
}

const std::string& FuzzInput::scratchFolder() {
    // Removed with everything in it when the process ends normally.
    struct Folder {
        std::string path;
        Folder() {
            char pattern[] = "/tmp/kestrun-fuzz-XXXXXX";
            require(mkdtemp(pattern) != nullptr, "a scratch folder can be made");
            path = pattern;
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

void FuzzInput::writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    require(file != nullptr, "the input file can be written");
    require(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(),
            "the whole input is written");
    std::fclose(file);
}

std::string FuzzInput::readFile(const std::string& path) {
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return bytes;
    }
    char chunk[kReadChunk];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, got);
    }
    std::fclose(file);
    return bytes;
}
