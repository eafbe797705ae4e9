#pragma once

#include <cstddef>
#include <cstdint>

// Feeds bytes as a level file through the level play, headless with real assets
// and the dummy audio driver: the file is loaded (spawning its entities), then
// played for a few dozen steps with keys taken from the same bytes. Aborts when
// the entities made differ from what the cells say (the last player and door in
// reading order, one enemy or pickup per cell), when a step adds an enemy or a
// pickup, or when a level end is neither a death nor a completion; sanitizers
// catch the rest. Returns 0.
int fuzzLevelPlay(const std::uint8_t* data, std::size_t size);
