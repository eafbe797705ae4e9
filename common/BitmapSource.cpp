#include "common/BitmapSource.h"

namespace {
// A damaged header can claim billions of pixels, which SDL allocates and clears
// before it finds the file too short (a 65536 x 65536 claim costs gigabytes and
// a minute). No bitmap of the game or the editor comes near this size, so such a file is refused.
constexpr Sint64 kMaxBitmapPixels = Sint64{4096} * 4096;
constexpr Uint16 kBitmapMagic = 0x4D42;  // "BM"
constexpr Sint64 kInfoSizeOffset = 14;
// The old OS/2 info header keeps width and height in 16 bits each.
constexpr Uint32 kCoreInfoSize = 12;
}  // namespace

SDL_RWops* BitmapSource::open(const std::string& path) {
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
