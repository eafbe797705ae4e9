#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "game/world/TileMap.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/ScratchFolder.h"

namespace worldtest {

// Colours of the test tile bitmaps written by TileMapFixture.
constexpr SDL_Color kGroundColour{200, 120, 40, 255};
constexpr SDL_Color kBlackColour{0, 0, 0, 255};
constexpr SDL_Color kPlatformColour{40, 200, 90, 255};
constexpr SDL_Color kBackground{10, 20, 30, 255};

// Writes a BMP of w x h pixels whose colour at (x, y) is fill(x, y).
void writeBitmap(const std::string& path, int w, int h, SDL_Color (*fill)(int x, int y));
// Writes a BMP of one colour.
void writeSolidBitmap(const std::string& path, int w, int h, SDL_Color colour);
// Joins rows into file contents, each row followed by a line feed.
std::string joinRows(const std::vector<std::string>& rows);

// A scratch working folder with small tile bitmaps in assets/tiles and a headless
// window, for tests of the map and of things that move on it.
class TileMapFixture : public ::testing::Test {
protected:
    TileMapFixture();

    // A 32 x 32 tile map loaded from a level file holding rows.
    std::unique_ptr<TileMap> makeMap(const std::vector<std::string>& rows);
    SDL_Renderer* renderer() const { return window.renderer(); }
    // Whether the screen pixel at (x, y) has the colour c.
    bool pixelIs(int x, int y, SDL_Color c) const;

    testsupport::ScratchFolder folder;
    testsupport::HeadlessWindow window;
};

}  // namespace worldtest
