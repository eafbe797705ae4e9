#include "tests/game/world/TileMapFixture.h"

namespace worldtest {

namespace {
// The test tiles are smaller than a cell, so drawing must stretch them.
constexpr int kTileBitmapSize = 8;
constexpr int kTileSize = 32;
}  // namespace

void writeBitmap(const std::string& path, int w, int h, SDL_Color (*fill)(int x, int y)) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const SDL_Color c = fill(x, y);
            Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 3;
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
        }
    }
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

void writeSolidBitmap(const std::string& path, int w, int h, SDL_Color colour) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, colour.r, colour.g, colour.b));
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

std::string joinRows(const std::vector<std::string>& rows) {
    std::string contents;
    for (const std::string& row : rows) {
        contents += row + "\n";
    }
    return contents;
}

TileMapFixture::TileMapFixture() {
    folder.writeFile("assets/tiles/.keep", "");
    writeSolidBitmap("assets/tiles/groundTile.bmp", kTileBitmapSize, kTileBitmapSize,
                     kGroundColour);
    writeSolidBitmap("assets/tiles/blackTile.bmp", kTileBitmapSize, kTileBitmapSize, kBlackColour);
    writeSolidBitmap("assets/tiles/platformTile.bmp", kTileBitmapSize, kTileBitmapSize,
                     kPlatformColour);
}

std::unique_ptr<TileMap> TileMapFixture::makeMap(const std::vector<std::string>& rows) {
    folder.writeFile("level.txt", joinRows(rows));
    return std::make_unique<TileMap>(renderer(), "level.txt", kTileSize, kTileSize);
}

bool TileMapFixture::pixelIs(int x, int y, SDL_Color c) const {
    return testsupport::sameRgb(window.pixel(x, y), c.r, c.g, c.b);
}

}  // namespace worldtest
