#include "common/FullscreenToggle.h"

#include <algorithm>

namespace {
// The bars left, right, above and below the picture.
constexpr int kBarCount = 4;
}  // namespace

FullscreenToggle::FullscreenToggle(SDL_Window* window_, SDL_Renderer* renderer_, int pictureWidth_,
                                   int pictureHeight_)
    : window(window_),
      renderer(renderer_),
      pictureWidth(pictureWidth_),
      pictureHeight(pictureHeight_) {}

bool FullscreenToggle::isToggleKey(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN) {
        return false;
    }
    const SDL_Keysym& key = event.key.keysym;
    return key.sym == SDLK_F11 || (key.sym == SDLK_RETURN && (key.mod & KMOD_ALT) != 0);
}

bool FullscreenToggle::asksForToggle(const SDL_Event& event) {
    return isToggleKey(event) && event.key.repeat == 0;
}

void FullscreenToggle::toggle() {
    if (window == nullptr || renderer == nullptr) {
        return;
    }
    if (isFullscreen()) {
        SDL_SetWindowFullscreen(window, 0);
        return;
    }
    // At the window's own size the logical size scales by exactly 1, so it may stay
    // set after returning to the window.
    SDL_RenderSetLogicalSize(renderer, pictureWidth, pictureHeight);
    SDL_RenderSetIntegerScale(renderer, SDL_TRUE);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool FullscreenToggle::isFullscreen() const {
    return window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

SDL_Rect FullscreenToggle::pictureArea() const {
    int outputWidth = pictureWidth;
    int outputHeight = pictureHeight;
    if (renderer != nullptr) {
        SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
    }
    // The same whole factor SDL picks for an integer-scaled logical size.
    const int scale =
        std::max(1, std::min(outputWidth / pictureWidth, outputHeight / pictureHeight));
    const int width = pictureWidth * scale;
    const int height = pictureHeight * scale;
    return {(outputWidth - width) / 2, (outputHeight - height) / 2, width, height};
}

void FullscreenToggle::paintBars() {
    if (renderer == nullptr || !isFullscreen()) {
        return;
    }
    int outputWidth = 0;
    int outputHeight = 0;
    SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
    const SDL_Rect picture = pictureArea();
    const SDL_Rect bars[kBarCount] = {
        {0, 0, picture.x, outputHeight},
        {picture.x + picture.w, 0, outputWidth - picture.x - picture.w, outputHeight},
        {picture.x, 0, picture.w, picture.y},
        {picture.x, picture.y + picture.h, picture.w, outputHeight - picture.y - picture.h},
    };
    SDL_Rect painted[kBarCount];
    int count = 0;
    for (const SDL_Rect& bar : bars) {
        if (bar.w > 0 && bar.h > 0) {
            painted[count++] = bar;
        }
    }
    if (count == 0) {
        return;
    }
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawColor(renderer, &r, &g, &b, &a);
    SDL_GetRenderDrawBlendMode(renderer, &blend);
    // Bars are drawn in output pixels over the whole output, then the logical size
    // puts the scale and the picture's viewport back.
    SDL_RenderSetScale(renderer, 1.0f, 1.0f);
    SDL_RenderSetViewport(renderer, nullptr);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderFillRects(renderer, painted, count);
    SDL_RenderSetLogicalSize(renderer, pictureWidth, pictureHeight);
    SDL_SetRenderDrawBlendMode(renderer, blend);
    SDL_SetRenderDrawColor(renderer, r, g, b, a);
}
