#include "game/media/Sprite.h"

#include <cstdio>

namespace {
// The transparent colour of every game bitmap.
constexpr Uint8 kKeyRed = 255;
constexpr Uint8 kKeyGreen = 0;
constexpr Uint8 kKeyBlue = 255;

// A damaged header can claim billions of pixels, which SDL allocates and clears
// before it finds the file too short (a 65536 x 65536 claim costs gigabytes and
// a minute). No game bitmap comes near this size, so such a file is refused.
constexpr Sint64 kMaxBitmapPixels = Sint64{4096} * 4096;
constexpr Uint16 kBitmapMagic = 0x4D42;  // "BM"
constexpr Sint64 kInfoSizeOffset = 14;
// The old OS/2 info header keeps width and height in 16 bits each.
constexpr Uint32 kCoreInfoSize = 12;

// Opens the bitmap for SDL's reader, or answers null with SDL's error set when it
// cannot be opened or its header claims more than kMaxBitmapPixels pixels. Other
// damage is left to SDL's reader to find and report.
SDL_RWops* openBitmap(const std::string& path) {
    SDL_RWops* source = SDL_RWFromFile(path.c_str(), "rb");
    if (source == nullptr) {
        return nullptr;
    }
    const bool bitmap = SDL_ReadLE16(source) == kBitmapMagic;
    SDL_RWseek(source, kInfoSizeOffset, RW_SEEK_SET);
    Sint64 w = 0;
    Sint64 h = 0;
    if (!bitmap) {
        // Not a bitmap at all: SDL's reader says so.
    } else if (SDL_ReadLE32(source) == kCoreInfoSize) {
        w = SDL_ReadLE16(source);
        h = SDL_ReadLE16(source);
    } else {
        // Signed: a negative height marks a top-down picture. Reads past the end give 0.
        w = static_cast<Sint32>(SDL_ReadLE32(source));
        h = static_cast<Sint32>(SDL_ReadLE32(source));
    }
    SDL_RWseek(source, 0, RW_SEEK_SET);
    if (w > 0 && (h < 0 ? -h : h) > kMaxBitmapPixels / w) {
        SDL_RWclose(source);
        SDL_SetError("BMP header claims %lld x %lld pixels", static_cast<long long>(w),
                     static_cast<long long>(h));
        return nullptr;
    }
    return source;
}
}  // namespace

Sprite::Sprite(SDL_Renderer* renderer_, const std::string& path) : renderer(renderer_) {
    SDL_RWops* source = openBitmap(path);
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
