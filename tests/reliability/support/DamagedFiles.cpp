#include "tests/reliability/support/DamagedFiles.h"

#include <random>

namespace reliability {

namespace {
constexpr int kBitsPerByte = 8;
constexpr std::uint32_t kByteMask = 0xFF;

std::string withLittleEndian(const std::string& bytes, size_t offset, std::uint32_t value,
                             size_t width) {
    std::string copy = bytes;
    if (copy.size() < offset + width) {
        copy.resize(offset + width, '\0');
    }
    for (size_t i = 0; i < width; ++i) {
        copy[offset + i] = static_cast<char>((value >> (kBitsPerByte * i)) & kByteMask);
    }
    return copy;
}
}  // namespace

std::string DamagedFiles::truncated(const std::string& bytes, size_t keep) {
    return bytes.substr(0, keep);
}

std::string DamagedFiles::with32(const std::string& bytes, size_t offset, std::uint32_t value) {
    return withLittleEndian(bytes, offset, value, sizeof(std::uint32_t));
}

std::string DamagedFiles::with16(const std::string& bytes, size_t offset, std::uint16_t value) {
    return withLittleEndian(bytes, offset, value, sizeof(std::uint16_t));
}

std::string DamagedFiles::noise(size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & kByteMask);
    }
    return bytes;
}

}  // namespace reliability
