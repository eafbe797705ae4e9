#pragma once

#include "tools/assetgen/Canvas.h"

// The 32 x 32 map tiles. The tile map draws them without a colour key, so every
// tile is fully opaque; each one repeats seamlessly next to copies of itself.
class TileArt {
public:
    // Side of every tile in pixels: one level cell.
    static constexpr int kSize = 32;

    // 'G': earthen bricks in four staggered courses.
    static Canvas ground();
    // 'M': the same courses in near-black, quiet enough for white text on top.
    static Canvas black();
    // 'P': a one-way wooden plank along the top edge; white below, like the sky.
    static Canvas platform();
    // 'U': a wooden door in an arched stone frame, open to the floor.
    static Canvas door();

private:
    static Canvas bricks(const Shades& brick, Colour mortar, bool speckled);
};
