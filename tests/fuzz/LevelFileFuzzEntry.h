#pragma once

#include <cstddef>
#include <cstdint>

// Feeds arbitrary bytes as a level file through the level reader and tile maps of
// several tile sizes: loading, drawing on a headless renderer, every query at
// coordinates around the grid and at the ends of the int range, the camera, and
// sequences of path searches checked against the reference search. Aborts when an
// invariant fails; sanitizers catch the rest. Returns 0.
int fuzzLevelFile(const std::uint8_t* data, std::size_t size);
