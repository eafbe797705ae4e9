#include "tools/levelpicture/LevelPicture.h"

#include <SDL_image.h>

#include <algorithm>
#include <memory>

#include "game/media/Sprite.h"
#include "game/world/LevelPlay.h"
#include "game/world/TileMap.h"

namespace {
constexpr int kCell = LevelPlay::kCellSize;
constexpr int kWindowWidth = 640;
// The tile map draws the columns one screen shows from its camera, and the
// camera follows an x a half screen right of it.
constexpr int kHalfWindow = kWindowWidth / 2;
// A slice wider than the screen by a column, so no tile at a slice's edge is cut.
constexpr int kSliceWidth = kWindowWidth + kCell;
// What shows where no tile is drawn: the game clears every frame to white.
constexpr Uint8 kBackground = 255;

// Bitmap of each entity cell, as the level play creates them, in drawing order.
struct EntityArt {
    char code;
    const char* path;
};
constexpr EntityArt kEntities[] = {
    {'E', "assets/sprites/player/player_anim_run_1.bmp"},
    {'U', "assets/tiles/doorTile.bmp"},
    {'D', "assets/sprites/dumbenemy/dumb_anim_1.bmp"},
    {'I', "assets/sprites/birdenemy/bird_anim_1.bmp"},
    {'H', "assets/sprites/healthPack.bmp"},
    {'A', "assets/sprites/attackCharge.bmp"},
    {'C', "assets/sprites/coin.bmp"},
};

struct TextureDeleter {
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
};
}  // namespace

LevelPicture::LevelPicture(SDL_Renderer* target) : renderer(target) {}

LevelPicture::~LevelPicture() {
    SDL_FreeSurface(surface);
}

bool LevelPicture::draw(const std::string& levelPath) {
    SDL_FreeSurface(surface);
    surface = nullptr;
    TileMap map(renderer, levelPath, kCell, kCell);
    int columns = 0;
    for (int r = 0; r < map.rowCount(); ++r) {
        columns = std::max(columns, map.rowLength(r));
    }
    if (columns == 0) {
        message = "no rows to draw in " + levelPath;
        return false;
    }
    const long long width = static_cast<long long>(columns) * kCell;
    const long long height = static_cast<long long>(map.rowCount()) * kCell;
    if (width > kMaxSide || height > kMaxSide) {
        message = levelPath + " is too large to draw in one picture";
        return false;
    }
    std::unique_ptr<SDL_Texture, TextureDeleter> target(
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_TARGET,
                          static_cast<int>(width), static_cast<int>(height)));
    if (!target || SDL_SetRenderTarget(renderer, target.get()) != 0) {
        message = std::string("no picture to draw on: ") + SDL_GetError();
        return false;
    }
    SDL_SetRenderDrawColor(renderer, kBackground, kBackground, kBackground, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(renderer);
    drawTiles(map, static_cast<int>(width));
    drawEntities(map);
    surface = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(width), static_cast<int>(height),
                                             32, SDL_PIXELFORMAT_ABGR8888);
    const bool read =
        surface != nullptr && SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ABGR8888,
                                                   surface->pixels, surface->pitch) == 0;
    SDL_SetRenderTarget(renderer, nullptr);
    if (!read) {
        message = std::string("the picture could not be read back: ") + SDL_GetError();
        SDL_FreeSurface(surface);
        surface = nullptr;
    }
    return read;
}

void LevelPicture::drawTiles(TileMap& map, int width) {
    // The map draws one screen's columns from its camera; a viewport placed at
    // the camera puts them at their world x on the picture. The camera cannot
    // reach the map's last screen exactly, so the last slice starts a little
    // earlier and overlaps the one before.
    for (int left = 0; left < width; left += kWindowWidth) {
        // The camera moves only while x is left of the map's last half screen.
        const int lastFollowed = width - kHalfWindow - 1;
        map.updateCamera(left == 0 ? 0 : std::min(left + kHalfWindow, lastFollowed), 0);
        const SDL_Rect slice{map.getCameraX(), 0, kSliceWidth, map.rowCount() * kCell};
        SDL_RenderSetViewport(renderer, &slice);
        map.render();
    }
    SDL_RenderSetViewport(renderer, nullptr);
}

void LevelPicture::drawEntities(const TileMap& map) {
    const std::vector<std::string> rows = map.getRows();
    for (const EntityArt& art : kEntities) {
        Sprite sprite(renderer, art.path);
        for (size_t r = 0; r < rows.size(); ++r) {
            for (size_t k = 0; k < rows[r].size(); ++k) {
                if (rows[r][k] == art.code) {
                    sprite.draw(static_cast<int>(k) * kCell, static_cast<int>(r) * kCell);
                }
            }
        }
    }
}

bool LevelPicture::savePng(const std::string& outPath) {
    if (surface == nullptr) {
        message = "no picture drawn";
        return false;
    }
    if (IMG_SavePNG(surface, outPath.c_str()) != 0) {
        message = "cannot write " + outPath + ": " + IMG_GetError();
        return false;
    }
    return true;
}
