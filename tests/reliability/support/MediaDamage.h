#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace reliability {

// One way of damaging a media file, and whether its reader still takes the result.
struct Damage {
    const char* name;
    std::string (*apply)(const std::string& original);
    // The damaged file still loads (as a picture, a sound or a font).
    bool stillLoads;
    // A bitmap header claiming gigabytes of pixels, which only a reader that
    // checks the claim first survives.
    bool hugeClaim = false;
};

// Test output names a damage by its name.
void PrintTo(const Damage& damage, std::ostream* out);

// The catalogue of damaged bitmaps, sounds and fonts that the tests feed the
// programs. Bitmap damage includes headers that claim absurd sizes.
class MediaDamage {
public:
    // Damage for BMP files; every one is refused by the bitmap reader.
    static const std::vector<Damage>& bitmaps();
    // Damage for WAV files.
    static const std::vector<Damage>& sounds();
    // Damage for the TrueType font.
    static const std::vector<Damage>& fonts();
    // The name of a damage, for test names.
    static std::string nameOf(const Damage& damage) { return damage.name; }
};

}  // namespace reliability
