#include "tools/assetgen/WavFile.h"

#include <fstream>

namespace {

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerSample = kBitsPerSample / 8;
constexpr std::uint32_t kFormatChunkSize = 16;
// "WAVE" plus the format chunk's and the data chunk's headers.
constexpr std::uint32_t kHeaderBytesAfterRiff = 4 + (8 + kFormatChunkSize) + 8;

void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

bool WavFile::write(const std::string& path, const std::vector<std::int16_t>& samples,
                    int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    std::string out;
    out.reserve(kHeaderBytesAfterRiff + 8 + dataBytes);
    out += "RIFF";
    put32(out, kHeaderBytesAfterRiff + dataBytes);
    out += "WAVE";
    out += "fmt ";
    put32(out, kFormatChunkSize);
    put16(out, kPcmFormat);
    put16(out, kChannels);
    put32(out, rate);
    put32(out, rate * kChannels * kBytesPerSample);
    put16(out, kChannels * kBytesPerSample);
    put16(out, kBitsPerSample);
    out += "data";
    put32(out, dataBytes);
    for (std::int16_t s : samples) {
        put16(out, static_cast<std::uint16_t>(s));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
