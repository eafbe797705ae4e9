#include "editor/EditorMap.h"

#include <algorithm>
#include <cstdio>

#include "editor/LevelFile.h"

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
// Within this distance of the level's left or right edge the camera stops.
constexpr int kHalfView = kWindowWidth / 2;
// The cell code of an empty cell.
constexpr char kEmptyCell = '.';

// The drawable cell codes and their bitmaps, in loading order.
struct CellImage {
    char code;
    const char* bitmap;
};
constexpr CellImage kCellImages[] = {
    {'G', "assets/tiles/groundTile.bmp"},   {'M', "assets/tiles/blackTile.bmp"},
    {'P', "assets/tiles/platformTile.bmp"}, {'U', "assets/tiles/doorTile.bmp"},
    {'E', "Assets/sprites/player.bmp"},     {'I', "Assets/sprites/birdEnemy.bmp"},
    {'D', "Assets/sprites/dumbEnemy.bmp"},  {'C', "Assets/sprites/coin.bmp"},
    {'H', "Assets/sprites/healthPack.bmp"}, {'A', "Assets/sprites/attackCharge.bmp"},
};

const std::string kNoRow;

// A damaged header can claim billions of pixels, which SDL allocates and clears
// before it finds the file too short (a 65536 x 65536 claim costs gigabytes and
// a minute). No cell bitmap comes near this size, so such a file is refused.
constexpr Sint64 kMaxBitmapPixels = Sint64{4096} * 4096;
constexpr Uint16 kBitmapMagic = 0x4D42;  // "BM"
constexpr Sint64 kInfoSizeOffset = 14;
// The old OS/2 info header keeps width and height in 16 bits each.
constexpr Uint32 kCoreInfoSize = 12;

// Opens a cell bitmap for SDL's reader, or answers null when it cannot be opened
// or its header claims more than kMaxBitmapPixels pixels.
SDL_RWops* openBitmap(const char* path) {
    SDL_RWops* source = SDL_RWFromFile(path, "rb");
    if (source == nullptr) {
        return nullptr;
    }
    const bool bitmap = SDL_ReadLE16(source) == kBitmapMagic;
    SDL_RWseek(source, kInfoSizeOffset, RW_SEEK_SET);
    Sint64 w = 0;
    Sint64 h = 0;
    if (!bitmap) {
        // Not a bitmap at all: SDL's reader refuses it.
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
        return nullptr;
    }
    return source;
}

}  // namespace

EditorMap::EditorMap(SDL_Renderer* renderer_, const std::string& path_)
    : renderer(renderer_), path(path_) {
    std::string problem;
    if (!LevelFile::read(path, rows, problem)) {
        std::printf(
            "Could not read %s: %s. The editor needs a readable level file; "
            "nothing was changed.\n",
            path.c_str(), problem.c_str());
    } else if (rows.empty()) {
        std::printf(
            "%s is empty. The editor needs a level file with at least one row; "
            "nothing was changed.\n",
            path.c_str());
    } else {
        loaded = true;
    }
    std::fflush(stdout);
    loadTextures();
    cameraX = 0;
}

EditorMap::~EditorMap() {
    for (SDL_Texture* texture : textures) {
        if (texture != nullptr) {
            SDL_DestroyTexture(texture);
        }
    }
}

void EditorMap::loadTextures() {
    static_assert(sizeof kCellImages / sizeof kCellImages[0] == kTextureCount,
                  "one bitmap per texture");
    for (int i = 0; i < kTextureCount; ++i) {
        SDL_RWops* source = openBitmap(kCellImages[i].bitmap);
        SDL_Surface* surface = source != nullptr ? SDL_LoadBMP_RW(source, 1) : nullptr;
        if (surface == nullptr) {
            continue;
        }
        if (renderer != nullptr) {
            textures[i] = SDL_CreateTextureFromSurface(renderer, surface);
        }
        SDL_FreeSurface(surface);
    }
}

SDL_Texture* EditorMap::textureFor(char code) const {
    for (int i = 0; i < kTextureCount; ++i) {
        if (kCellImages[i].code == code) {
            return textures[i];
        }
    }
    return nullptr;
}

int EditorMap::rowLength(int i) const {
    return static_cast<int>(rowText(i).size());
}

const std::string& EditorMap::rowText(int i) const {
    if (i < 0 || i >= rowCount()) {
        return kNoRow;
    }
    return rows[static_cast<std::size_t>(i)];
}

void EditorMap::render() {
    const int firstColumn = cameraX / tileWidthPixels;
    const int endColumn = (cameraX + kWindowWidth - 1) / tileWidthPixels + 1;
    // Rows below the window would be drawn off screen; they are skipped so that a
    // file of many rows costs no more per frame than one of fifteen.
    const int endRow = std::min(rowCount(), (kWindowHeight - 1) / tileHeightPixels + 1);
    for (int i = 0; i < endRow; ++i) {
        const std::string& currentRowString = rows[static_cast<std::size_t>(i)];
        const int y = i * tileHeightPixels;
        const int rowEnd = std::min(endColumn, static_cast<int>(currentRowString.size()));
        for (int j = firstColumn; j < rowEnd; ++j) {
            SDL_Texture* texture = textureFor(currentRowString[static_cast<std::size_t>(j)]);
            if (texture == nullptr) {
                continue;
            }
            SDL_Rect destRect{j * tileWidthPixels - cameraX, y, tileWidthPixels, tileHeightPixels};
            SDL_RenderCopy(renderer, texture, nullptr, &destRect);
        }
    }
}

void EditorMap::toggleCell(int x, int y, char code) {
    if (x < 0 || y < 0) {
        return;
    }
    const int column = (x + cameraX) / tileWidthPixels;
    const int row = y / tileHeightPixels;
    if (row >= rowCount() || column >= rowLength(row)) {
        return;
    }
    char& cell = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    cell = cell == kEmptyCell ? code : kEmptyCell;
}

bool EditorMap::save() {
    if (!loaded) {
        return false;
    }
    std::string problem;
    if (!LevelFile::write(path, rows, problem)) {
        std::printf("Could not save %s: %s\n", path.c_str(), problem.c_str());
        std::fflush(stdout);
        return false;
    }
    return true;
}

void EditorMap::updateCamera(int focus) {
    // Wide enough for a row of LevelFile::kMaxBytes cells.
    const long long levelWidth = static_cast<long long>(rowLength(0)) * tileWidthPixels;
    if (focus <= kHalfView) {
        cameraX = 0;
    } else if (focus < levelWidth - kHalfView) {
        cameraX = focus - kHalfView + tileWidthPixels;
    } else {
        // The scroll step is not a multiple of a cell, so the focus can jump over the
        // one value that shows the last columns: past the end, show them directly.
        // Reachable only while focus >= levelWidth - 320, so this fits an int.
        cameraX = static_cast<int>(std::max(levelWidth - kWindowWidth, 0LL));
    }
}
