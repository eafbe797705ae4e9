#pragma once

#include <SDL.h>

#include <string>

namespace testsupport {

// A 640 x 480 window on SDL's dummy driver with a software renderer, for drawing
// tests that read the picture back. Initialises SDL video (and audio) on
// construction and quits SDL on destruction.
class HeadlessWindow {
public:
    HeadlessWindow();
    ~HeadlessWindow();
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    // The renderer; valid for the object's life.
    SDL_Renderer* renderer() const { return renderer_; }
    // Fills the whole picture with one colour.
    void clear(Uint8 r, Uint8 g, Uint8 b);
    // Reads one pixel of the current picture back from the renderer.
    SDL_Color pixel(int x, int y) const;
    // Counts pixels in a rectangle that equal the given colour.
    int countPixels(const SDL_Rect& area, Uint8 r, Uint8 g, Uint8 b) const;

private:
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
};

// True when two colours have the same red, green and blue.
bool sameRgb(const SDL_Color& c, Uint8 r, Uint8 g, Uint8 b);

}  // namespace testsupport
