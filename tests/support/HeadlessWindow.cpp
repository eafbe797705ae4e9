#include "tests/support/HeadlessWindow.h"

#include <stdexcept>
#include <vector>

namespace testsupport {

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 480;
}  // namespace

HeadlessWindow::HeadlessWindow() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) != 0) {
        throw std::runtime_error(std::string("SDL_Init: ") + SDL_GetError());
    }
    window_ = SDL_CreateWindow("test", 0, 0, kWidth, kHeight, 0);
    if (window_ == nullptr) {
        throw std::runtime_error(std::string("SDL_CreateWindow: ") + SDL_GetError());
    }
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) {
        throw std::runtime_error(std::string("SDL_CreateRenderer: ") + SDL_GetError());
    }
}

HeadlessWindow::~HeadlessWindow() {
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    SDL_Quit();
}

void HeadlessWindow::clear(Uint8 r, Uint8 g, Uint8 b) {
    SDL_SetRenderDrawColor(renderer_, r, g, b, 255);
    SDL_RenderClear(renderer_);
}

SDL_Color HeadlessWindow::pixel(int x, int y) const {
    Uint32 value = 0;
    SDL_Rect one{x, y, 1, 1};
    SDL_RenderReadPixels(renderer_, &one, SDL_PIXELFORMAT_ARGB8888, &value, 4);
    SDL_Color c;
    c.a = static_cast<Uint8>(value >> 24);
    c.r = static_cast<Uint8>(value >> 16);
    c.g = static_cast<Uint8>(value >> 8);
    c.b = static_cast<Uint8>(value);
    return c;
}

int HeadlessWindow::countPixels(const SDL_Rect& area, Uint8 r, Uint8 g, Uint8 b) const {
    std::vector<Uint32> values(static_cast<size_t>(area.w) * area.h);
    SDL_RenderReadPixels(renderer_, &area, SDL_PIXELFORMAT_ARGB8888, values.data(), area.w * 4);
    const Uint32 wanted = (Uint32{r} << 16) | (Uint32{g} << 8) | b;
    int count = 0;
    for (Uint32 v : values) {
        if ((v & 0xFFFFFFu) == wanted) {
            ++count;
        }
    }
    return count;
}

bool sameRgb(const SDL_Color& c, Uint8 r, Uint8 g, Uint8 b) {
    return c.r == r && c.g == g && c.b == b;
}

}  // namespace testsupport
