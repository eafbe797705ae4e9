#include "game/media/Sprite.h"

#include <cstdio>

#include "common/BitmapSource.h"

namespace {
// The transparent colour of every game bitmap.
constexpr Uint8 kKeyRed = 255;
constexpr Uint8 kKeyGreen = 0;
constexpr Uint8 kKeyBlue = 255;
}  // namespace

Sprite::Sprite(SDL_Renderer* renderer_, const std::string& path) : renderer(renderer_) {
    SDL_RWops* source = BitmapSource::open(path);
    surface = source != nullptr ? SDL_LoadBMP_RW(source, 1) : nullptr;
    if (surface == nullptr) {
        std::printf("SURFACE for bitmap '%s' not loaded \n", path.c_str());
        std::printf("%s\n", SDL_GetError());
        std::fflush(stdout);
        return;
    }
    const Uint32 key = SDL_MapRGB(surface->format, kKeyRed, kKeyGreen, kKeyBlue);
    SDL_SetColorKey(surface, SDL_TRUE, key);
    if (renderer != nullptr) {
        texture = SDL_CreateTextureFromSurface(renderer, surface);
    }
    width = surface->w;
    height = surface->h;
}

Sprite::~Sprite() {
    if (texture != nullptr) {
        SDL_DestroyTexture(texture);
    }
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
    }
}

void Sprite::draw(int x, int y) {
    drawFlipped(x, y, SDL_FLIP_NONE);
}

void Sprite::draw(int x, int y, int facing) {
    drawFlipped(x, y, facing == 0 ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE);
}

void Sprite::drawFlipped(int x, int y, SDL_RendererFlip flip) {
    if (texture == nullptr || width <= 0 || height <= 0) {
        return;
    }
    SDL_Rect destination{x, y, width, height};
    SDL_RenderCopyEx(renderer, texture, nullptr, &destination, 0.0, nullptr, flip);
}
