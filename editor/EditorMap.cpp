#include "editor/EditorMap.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "common/BitmapSource.h"
#include "common/SafeFileWriter.h"
#include "editor/EditorLevelFile.h"

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

// Where a level that could not be saved goes when TMPDIR does not say, and the
// end of its name before the unique part.
constexpr const char* kTemporaryFolder = "/tmp";
constexpr const char* kRecoverySuffix = ".save-";

}  // namespace

EditorMap::EditorMap(SDL_Renderer* renderer_, const std::string& path_)
    : renderer(renderer_), path(path_) {
    std::string problem;
    if (!EditorLevelFile::read(path, rows, problem)) {
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
        SDL_RWops* source = BitmapSource::open(kCellImages[i].bitmap);
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
    if (!EditorLevelFile::write(path, rows, problem)) {
        std::printf("Could not save %s: %s\n", path.c_str(), problem.c_str());
        std::fflush(stdout);
        return false;
    }
    return true;
}

bool EditorMap::saveRecovery() {
    if (!loaded) {
        return false;
    }
    const char* temporary = std::getenv("TMPDIR");
    const char* home = std::getenv("HOME");
    std::vector<std::string> folders{
        temporary != nullptr && temporary[0] != '\0' ? temporary : kTemporaryFolder};
    if (home != nullptr && home[0] != '\0') {
        folders.push_back(home);
    }
    const std::size_t slash = path.find_last_of('/');
    const std::string prefix =
        (slash == std::string::npos ? path : path.substr(slash + 1)) + kRecoverySuffix;
    const std::string text = EditorLevelFile::join(rows);
    std::string problem;
    for (const std::string& folder : folders) {
        const std::string saved = SafeFileWriter::writeNew(folder, prefix, text, problem);
        if (!saved.empty()) {
            std::printf("The edited level was written to %s instead.\n", saved.c_str());
            std::fflush(stdout);
            return true;
        }
    }
    std::printf("Could not write the edited level anywhere else either: %s. The edits are lost.\n",
                problem.c_str());
    std::fflush(stdout);
    return false;
}

void EditorMap::updateCamera(int focus) {
    // Wide enough for a row of EditorLevelFile::kMaxBytes cells.
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
