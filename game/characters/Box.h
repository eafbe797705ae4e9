#pragma once

// A level object's box in world pixels: the top-left corner at (x, y) and the size
// of its current bitmap, so it covers the columns x .. x + w and the rows y .. y + h,
// both edges included. Characters, bullets, pickups and the door all meet through it.
struct Box {
    int x;
    int y;
    int w;
    int h;

    // Whether the two boxes share a column and a row; touching edges count. Computed
    // in 64 bits, so boxes near the ends of the int range never overflow.
    bool overlaps(const Box& other) const;
};
