#pragma once

#include <SDL.h>

// Switches one window between its fixed-size picture and desktop fullscreen. In
// fullscreen the picture is scaled by the largest whole factor that fits the screen
// (at least 1), centred, with black bars around it, and SDL maps the positions of
// mouse events on the window back to picture pixels. Until the first toggle nothing
// about the window or the renderer is changed. Borrows the window and the renderer,
// which must outlive it; releases nothing.
class FullscreenToggle {
public:
    // The window shows a picture of pictureWidth x pictureHeight pixels.
    FullscreenToggle(SDL_Window* window, SDL_Renderer* renderer, int pictureWidth,
                     int pictureHeight);
    FullscreenToggle(const FullscreenToggle&) = delete;
    FullscreenToggle& operator=(const FullscreenToggle&) = delete;

    // True for the key-downs (repeats included) of F11 and of Return with Alt held:
    // the keys that ask for a toggle. Such an event means nothing else to a program.
    static bool isToggleKey(const SDL_Event& event);
    // True for a toggle key's first key-down, the one that asks for a toggle.
    static bool asksForToggle(const SDL_Event& event);

    // Enters desktop fullscreen with the scaled picture, or returns to the window at
    // its own size.
    void toggle();
    // Whether the window is in fullscreen now.
    bool isFullscreen() const;
    // Paints the bars around the scaled picture black and leaves the draw colour and
    // blend mode as they were; call right after clearing. Draws nothing when the
    // picture fills the output.
    void paintBars();
    // Where the picture lies on the renderer's output, in output pixels.
    SDL_Rect pictureArea() const;

private:
    SDL_Window* window;
    SDL_Renderer* renderer;
    int pictureWidth;
    int pictureHeight;
};
