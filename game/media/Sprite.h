#pragma once

#include <SDL.h>

#include <string>

// One BMP bitmap in a texture, magenta (255, 0, 255) transparent, drawn at a
// screen position at its natural size (or a set width), optionally mirrored.
// A sprite whose bitmap failed to load has width and height 0 and draws nothing.
class Sprite {
public:
    // Loads the bitmap at path (relative to the working directory); on failure
    // prints "SURFACE for bitmap '<path>' not loaded " and SDL's error text. A
    // header claiming more than 4096 x 4096 pixels counts as a failure.
    Sprite(SDL_Renderer* renderer, const std::string& path);
    // Destroys the texture, then frees the surface.
    ~Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Draws unmirrored with the top-left corner at screen (x, y).
    void draw(int x, int y);
    // Draws mirrored left to right when facing is 0, unmirrored otherwise.
    void draw(int x, int y, int facing);
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    // Later draws squeeze or stretch the whole picture to w pixels; w <= 0 draws nothing.
    void setWidth(int w) { width = w; }

private:
    void drawFlipped(int x, int y, SDL_RendererFlip flip);

    int height = 0;
    int width = 0;
    SDL_Surface* surface = nullptr;
    SDL_Texture* texture = nullptr;
    SDL_Renderer* renderer;
};
