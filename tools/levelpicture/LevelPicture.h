#pragma once

#include <SDL.h>

#include <string>

class TileMap;

// Draws a whole level file, every column and row, the way the game shows it: the
// tile map's own drawing for the tiles, then the door, characters and pickups
// with the bitmaps the level play gives them, each at its cell's top-left corner.
// The renderer must support target textures (the software renderer does); the
// working directory must hold assets/.
class LevelPicture {
public:
    // Largest picture drawn, in pixels per side (the software renderer's limit).
    static constexpr int kMaxSide = 16384;

    // target is the renderer to draw with, borrowed; it must outlive the picture.
    explicit LevelPicture(SDL_Renderer* target);
    ~LevelPicture();
    LevelPicture(const LevelPicture&) = delete;
    LevelPicture& operator=(const LevelPicture&) = delete;

    // Draws the level file at path; false (with error() set) when the file has
    // no rows or the picture would be too large. Replaces any earlier picture.
    bool draw(const std::string& levelPath);
    // The last picture drawn (RGBA, owned here), or null.
    SDL_Surface* picture() const { return surface; }
    // Writes the last picture as a PNG file; false (with error() set) on failure.
    bool savePng(const std::string& outPath);
    const std::string& error() const { return message; }

private:
    void drawTiles(TileMap& map, int width);
    void drawEntities(const TileMap& map);

    SDL_Renderer* renderer;
    SDL_Surface* surface = nullptr;
    std::string message;
};
