#pragma once

#include <cstdint>

// One opaque RGB colour of the generated pictures.
struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr bool operator==(const Colour& other) const {
        return r == other.r && g == other.g && b == other.b;
    }
    constexpr bool operator!=(const Colour& other) const { return !(*this == other); }
};

// The game draws pixels of exactly this colour as transparent.
constexpr Colour kTransparent{255, 0, 255};

// Three tones of one material, lit from the top left.
struct Shades {
    Colour light;
    Colour base;
    Colour dark;
};
