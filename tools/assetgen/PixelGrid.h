#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tools/assetgen/Canvas.h"

// Pixel art written as text: one string per row, one character per pixel,
// looked up in a legend of character-colour pairs. '.' is always transparent.
class PixelGrid {
public:
    using Legend = std::vector<std::pair<char, Colour>>;

    // The picture the rows draw. Throws std::invalid_argument when rows differ in
    // length or use a character missing from the legend, so bad art fails loudly.
    static Canvas paint(const std::vector<std::string>& rows, const Legend& legend);
};
