#include "tests/reliability/support/MediaDamage.h"

#include <cstdint>

#include "tests/reliability/support/DamagedFiles.h"

namespace reliability {

namespace {
using D = DamagedFiles;

// Inside the 14-byte file header.
constexpr size_t kCutInHeader = 10;
// Past the RIFF and fmt headers, inside the first samples.
constexpr size_t kCutInWavHeader = 20;
// Inside the font's table directory.
constexpr size_t kCutInFontDirectory = 100;
// A font missing only its last kilobyte still opens; its glyphs lie before that.
constexpr size_t kFontTail = 1000;
constexpr size_t kNoiseBytes = 4096;
constexpr std::uint32_t kNoiseSeed = 20240517;
constexpr std::uint32_t kAbsurdSide = 100000;
// SDL would allocate and clear 12 GB for this claim before finding the file short.
constexpr std::uint32_t kHugeSquareSide = 65536;
// A top-down picture one pixel wide and 2^31 - 1 rows tall: 8 GB.
constexpr std::uint32_t kTopDownHeight = 0x80000001u;
constexpr std::uint32_t kFarOffset = 0x7FFFFFF0u;
constexpr std::uint32_t kUnknownCompression = 99;
constexpr std::uint32_t kNegativeWidth = static_cast<std::uint32_t>(-32);
constexpr std::uint32_t kAllOnes = 0xFFFFFFFFu;
// An ADPCM format tag with the canonical header's block alignment: a mismatch.
constexpr std::uint16_t kAdpcmFormat = 2;

std::string half(const std::string& bytes) {
    return D::truncated(bytes, bytes.size() / 2);
}
}  // namespace

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

const std::vector<Damage>& MediaDamage::bitmaps() {
    static const std::vector<Damage> kDamage = {
        {"zero_bytes", [](const std::string&) { return std::string(); }, false},
        {"cut_in_header", [](const std::string& b) { return D::truncated(b, kCutInHeader); },
         false},
        {"cut_in_pixels", half, false},
        {"wrong_magic", [](const std::string& b) { return "XX" + b.substr(2); }, false},
        {"text", [](const std::string&) { return std::string("this is not a bitmap\n"); }, false},
        {"noise", [](const std::string&) { return D::noise(kNoiseBytes, kNoiseSeed); }, false},
        {"claims_100000_square",
         [](const std::string& b) {
             return D::with32(D::with32(b, D::kBitmapWidth, kAbsurdSide), D::kBitmapHeight,
                              kAbsurdSide);
         },
         false, true},
        {"claims_65536_square",
         [](const std::string& b) {
             return D::with32(D::with32(b, D::kBitmapWidth, kHugeSquareSide), D::kBitmapHeight,
                              kHugeSquareSide);
         },
         false, true},
        {"claims_2g_rows_top_down",
         [](const std::string& b) {
             return D::with32(D::with32(b, D::kBitmapWidth, 1), D::kBitmapHeight, kTopDownHeight);
         },
         false, true},
        {"negative_width",
         [](const std::string& b) { return D::with32(b, D::kBitmapWidth, kNegativeWidth); }, false},
        {"pixels_past_the_end",
         [](const std::string& b) { return D::with32(b, D::kBitmapPixelOffset, kFarOffset); },
         false},
        {"zero_bits_per_pixel",
         [](const std::string& b) { return D::with16(b, D::kBitmapBitsPerPixel, 0); }, false},
        {"unknown_compression",
         [](const std::string& b) {
             return D::with32(b, D::kBitmapCompression, kUnknownCompression);
         },
         true},
    };
    return kDamage;
}

const std::vector<Damage>& MediaDamage::sounds() {
    static const std::vector<Damage> kDamage = {
        {"zero_bytes", [](const std::string&) { return std::string(); }, false},
        {"cut_in_header", [](const std::string& b) { return D::truncated(b, kCutInWavHeader); },
         false},
        {"cut_in_samples", half, true},
        {"wrong_magic", [](const std::string& b) { return "RIFX" + b.substr(4); }, false},
        {"noise", [](const std::string&) { return D::noise(kNoiseBytes, kNoiseSeed); }, false},
        {"data_claims_4g",
         [](const std::string& b) { return D::with32(b, D::kWavDataLength, kAllOnes); }, true},
        {"zero_channels", [](const std::string& b) { return D::with16(b, D::kWavChannels, 0); },
         false},
        // Converted to the device's 22050 Hz, each sound would grow 22050 times.
        {"rate_of_1_hz", [](const std::string& b) { return D::with32(b, D::kWavSampleRate, 1); },
         false},
        {"zero_sample_rate",
         [](const std::string& b) { return D::with32(b, D::kWavSampleRate, 0); }, false},
        {"zero_bits_per_sample",
         [](const std::string& b) { return D::with16(b, D::kWavBitsPerSample, 0); }, false},
        {"adpcm_with_plain_header",
         [](const std::string& b) { return D::with16(b, D::kWavFormatTag, kAdpcmFormat); }, false},
    };
    return kDamage;
}

const std::vector<Damage>& MediaDamage::fonts() {
    static const std::vector<Damage> kDamage = {
        {"zero_bytes", [](const std::string&) { return std::string(); }, false},
        {"cut_in_directory",
         [](const std::string& b) { return D::truncated(b, kCutInFontDirectory); }, false},
        {"cut_in_half", half, false},
        {"last_kilobyte_missing",
         [](const std::string& b) { return D::truncated(b, b.size() - kFontTail); }, true},
        {"wrong_magic", [](const std::string& b) { return "XXXX" + b.substr(4); }, false},
        {"noise", [](const std::string&) { return D::noise(kNoiseBytes, kNoiseSeed); }, false},
    };
    return kDamage;
}

}  // namespace reliability
