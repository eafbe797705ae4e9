#pragma once

#include <string>

#include "tools/assetgen/Canvas.h"

// The application icon of the game and the editor: the hero running on a brick
// floor under a dusk sky, in a tile with rounded corners.
class IconArt {
public:
    // The icon is square, this many pixels a side.
    static constexpr int kSize = 128;

    // The icon; magenta outside the rounded corners.
    static Canvas icon();
    // Writes a picture as an RGBA PNG in which magenta is fully transparent;
    // returns false when it cannot.
    static bool savePng(const Canvas& picture, const std::string& path);
};
