#pragma once

#include <SDL.h>

#include <string>
#include <vector>

namespace assettest {

// How a bitmap is drawn, and so what its pixels must look like.
enum class Drawn {
    Keyed,   // as a sprite: magenta is transparent, so its corners are magenta
    Opaque,  // without a colour key (tiles, editor cards, HUD bar): no magenta at all
};

struct BitmapEntry {
    std::string path;  // relative to assets/
    Drawn drawn;
};

// Every bitmap the game or the editor opens, relative to assets/.
std::vector<BitmapEntry> bitmaps();
// The player's run frames in playing order (files 1 to 27 without 12).
std::vector<std::string> runFrames();
// The nine sound effects, relative to assets/.
std::vector<std::string> soundEffects();
// The music track, relative to assets/.
std::string music();

// A loaded bitmap's pixels as RGB, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<SDL_Color> pixels;

    const SDL_Color& at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool isMagenta(int x, int y) const;
};

// Loads path with SDL's BMP loader; width 0 when it does not load.
Picture loadPicture(const std::string& path);

// A whole file's bytes; empty when missing.
std::string readFile(const std::string& path);

}  // namespace assettest
