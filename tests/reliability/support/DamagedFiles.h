#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace reliability {

// Builders of damaged copies of good files, the way disks, downloads and hand
// edits damage them: cut short, overwritten fields, noise.
class DamagedFiles {
public:
    // Offsets of the bitmap header fields that damage aims at.
    static constexpr size_t kBitmapPixelOffset = 10;
    static constexpr size_t kBitmapWidth = 18;
    static constexpr size_t kBitmapHeight = 22;
    static constexpr size_t kBitmapBitsPerPixel = 28;
    static constexpr size_t kBitmapCompression = 30;
    // Offsets of the fields of a canonical WAV header (RIFF, fmt at 12, data at 36).
    static constexpr size_t kWavChannels = 22;
    static constexpr size_t kWavSampleRate = 24;
    static constexpr size_t kWavBitsPerSample = 34;
    static constexpr size_t kWavFormatTag = 20;
    static constexpr size_t kWavDataLength = 40;

    // The first keep bytes (all of them when keep is larger).
    static std::string truncated(const std::string& bytes, size_t keep);
    // A copy with a little-endian 32-bit value written at offset (the copy grows
    // with zeros when it is too short).
    static std::string with32(const std::string& bytes, size_t offset, std::uint32_t value);
    // A copy with a little-endian 16-bit value written at offset.
    static std::string with16(const std::string& bytes, size_t offset, std::uint16_t value);
    // size bytes of noise; the same seed always gives the same bytes.
    static std::string noise(size_t size, std::uint32_t seed);
};

}  // namespace reliability
