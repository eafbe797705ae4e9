#include "tools/assetgen/IconArt.h"

#include <SDL_image.h>

#include <cstdint>
#include <memory>

#include "tools/assetgen/ItemArt.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/RunnerArt.h"
#include "tools/assetgen/TileArt.h"

namespace {

constexpr int kCornerRadius = 20;
constexpr int kFloorTop = 104;
constexpr int kHeroZoom = 3;
constexpr int kCoinZoom = 2;
// The run frame with the longest stride reads best at icon size.
constexpr int kHeroFrame = 3;
constexpr int kHeroX = 16;
constexpr int kCoinX = 66;
constexpr int kCoinY = 10;
constexpr Uint8 kOpaque = 255;

// True when pixel (x, y) lies outside the rounded square of the icon.
bool outsideCorners(int x, int y) {
    const int last = IconArt::kSize - 1;
    const int dx = x < kCornerRadius          ? kCornerRadius - x
                   : x > last - kCornerRadius ? x - (last - kCornerRadius)
                                              : 0;
    const int dy = y < kCornerRadius          ? kCornerRadius - y
                   : y > last - kCornerRadius ? y - (last - kCornerRadius)
                                              : 0;
    return dx * dx + dy * dy > kCornerRadius * kCornerRadius;
}

std::uint8_t blend(std::uint8_t from, std::uint8_t to, int step, int steps) {
    return static_cast<std::uint8_t>(from + (to - from) * step / steps);
}

}  // namespace

Canvas IconArt::icon() {
    Canvas c(kSize, kSize);
    for (int y = 0; y < kFloorTop; ++y) {
        const Colour sky{blend(palette::kIconSkyTop.r, palette::kIconSkyBottom.r, y, kFloorTop),
                         blend(palette::kIconSkyTop.g, palette::kIconSkyBottom.g, y, kFloorTop),
                         blend(palette::kIconSkyTop.b, palette::kIconSkyBottom.b, y, kFloorTop)};
        c.fillRect(0, y, kSize, 1, sky);
    }
    for (int x = 0; x < kSize; x += TileArt::kSize) {
        c.blit(TileArt::ground(), x, kFloorTop);
    }
    c.blit(ItemArt::coin().scaled(kCoinZoom), kCoinX, kCoinY);
    const Canvas hero = RunnerArt::frame(kHeroFrame).scaled(kHeroZoom);
    c.blit(hero, kHeroX, kFloorTop - hero.height());
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (outsideCorners(x, y)) {
                c.set(x, y, kTransparent);
            }
        }
    }
    return c;
}

bool IconArt::savePng(const Canvas& picture, const std::string& path) {
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface(
        SDL_CreateRGBSurfaceWithFormat(0, picture.width(), picture.height(), 32,
                                       SDL_PIXELFORMAT_RGBA32),
        SDL_FreeSurface);
    if (!surface) {
        return false;
    }
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) +
                                                     static_cast<ptrdiff_t>(y) * surface->pitch);
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = picture.at(x, y);
            const Uint8 alpha = c == kTransparent ? 0 : kOpaque;
            row[x] = SDL_MapRGBA(surface->format, c.r, c.g, c.b, alpha);
        }
    }
    return IMG_SavePNG(surface.get(), path.c_str()) == 0;
}
