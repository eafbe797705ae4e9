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
        SDL_Surface* surface = SDL_LoadBMP_RW(SDL_RWFromFile(kCellImages[i].bitmap, "rb"), 1);
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
    }
}
