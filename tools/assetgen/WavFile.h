#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes mono 16-bit PCM WAV files, byte by byte in little-endian order, so the
// file is the same whatever machine writes it.
class WavFile {
public:
    // Writes samples at sampleRate to path; returns false when the file cannot be written.
    static bool write(const std::string& path, const std::vector<std::int16_t>& samples,
                      int sampleRate);
};
