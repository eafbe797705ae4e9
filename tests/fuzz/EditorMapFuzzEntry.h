#pragma once

#include <cstddef>
#include <cstdint>

// Feeds bytes as the editor's level file through its grid, headless: load, draw
// at camera positions taken from the bytes, save, load the saved file (the same
// rows, but for a CR ending a row, which the line end absorbs), toggle cells at
// positions taken from the bytes and toggle them back. Aborts when a non-empty
// file does not load as its lines, an empty one loads or is overwritten, a save
// of the unedited grid does not give back its rows (each ending in "\n"), the
// camera leaves the level or its columns, a toggle changes any cell but the one
// under the pointer, or toggling twice does not restore the grid. Returns 0.
int fuzzEditorMap(const std::uint8_t* data, std::size_t size);
