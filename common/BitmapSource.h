#pragma once

#include <SDL.h>

#include <string>

// The way every bitmap of the game and the editor is opened for SDL's reader. A
// damaged header can claim billions of pixels, which SDL allocates and clears
// before it finds the file too short; such a file is refused before SDL sees it.
class BitmapSource {
public:
    // Opens the bitmap at path, or answers null with SDL's error set when it
    // cannot be opened or its header claims more than 4096 x 4096 pixels. Other
    // damage is left to SDL's reader to find and report. The caller hands the
    // stream to SDL_LoadBMP_RW, which closes it.
    static SDL_RWops* open(const std::string& path);
};
