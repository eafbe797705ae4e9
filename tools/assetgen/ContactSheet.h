#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/Canvas.h"

// One picture of every sprite, enlarged on a checkerboard where the game would
// show the background, for reviewing the art at a glance.
class ContactSheet {
public:
    // Each sprite is shown this many times larger.
    static constexpr int kZoom = 2;

    // Starts a new row; sprites added after it begin at the left edge.
    void newRow();
    // Adds a sprite to the current row (rows wrap when they get too wide).
    void add(const Canvas& sprite);
    // The composed sheet.
    Canvas compose() const;
    // Writes the composed sheet as a PNG; returns false when it cannot.
    bool savePng(const std::string& path) const;

private:
    std::vector<std::vector<Canvas>> rows_{{}};
};
