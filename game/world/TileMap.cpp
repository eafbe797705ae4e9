#include "game/world/TileMap.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "common/BitmapSource.h"
#include "game/world/LevelFile.h"

namespace {
const char* const kGroundTilePath = "assets/tiles/groundTile.bmp";
const char* const kBlackTilePath = "assets/tiles/blackTile.bmp";
const char* const kPlatformTilePath = "assets/tiles/platformTile.bmp";

constexpr char kGroundCode = 'G';
constexpr char kPlatformCode = 'P';
constexpr char kBlackCode = 'M';
constexpr char kDoorCode = 'U';
// What a cell missing from a shorter row holds for path-finding.
constexpr char kEmptyCode = '.';

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
// The camera keeps the player this far from the window's left edge.
constexpr int kCameraLead = kWindowWidth / 2;
// Cost of stepping onto a cell that is not solid, and onto a solid one.
constexpr int kOpenStepCost = 100;
constexpr int kSolidStepCost = 0;

int clampToInt(std::size_t value) {
    return static_cast<int>(std::min<std::size_t>(value, std::numeric_limits<int>::max()));
}

bool isSolidCode(char code) {
    return code == kGroundCode || code == kPlatformCode;
}
}  // namespace

TileMap::TileMap(SDL_Renderer* renderer_, const std::string& path, std::uint8_t tileWidth_,
                 std::uint8_t tileHeight_)
    : renderer(renderer_),
      tileWidth(std::max<int>(tileWidth_, 1)),
      tileHeight(std::max<int>(tileHeight_, 1)) {
    load(path);
    loadTexture(groundTexture, kGroundTilePath);
    loadTexture(blackTexture, kBlackTilePath);
    loadTexture(platformTexture, kPlatformTilePath);
}

TileMap::~TileMap() {
    nodes.clear();
    if (groundTexture != nullptr) {
        SDL_DestroyTexture(groundTexture);
    }
    if (blackTexture != nullptr) {
        SDL_DestroyTexture(blackTexture);
    }
    if (platformTexture != nullptr) {
        SDL_DestroyTexture(platformTexture);
    }
}

void TileMap::loadTexture(SDL_Texture*& texture, const char* path) {
    SDL_RWops* source = BitmapSource::open(path);
    SDL_Surface* surface = source != nullptr ? SDL_LoadBMP_RW(source, 1) : nullptr;
    if (surface == nullptr) {
        return;
    }
    if (renderer != nullptr) {
        texture = SDL_CreateTextureFromSurface(renderer, surface);
    }
    SDL_FreeSurface(surface);
}

void TileMap::load(const std::string& path) {
    loadRows(LevelFile::readRows(path));
}

void TileMap::loadRows(std::vector<std::string> newRows) {
    rows = std::move(newRows);
    buildNodes();
}

void TileMap::buildNodes() {
    // Release the old grid's memory, not just its contents.
    std::vector<PathNode>().swap(nodes);
    gridWidth = 0;
    gridHeight = 0;
    search.reset(0, 0);
    const std::int64_t width = rows.empty() ? 0 : static_cast<std::int64_t>(rows[0].size());
    const std::int64_t height = static_cast<std::int64_t>(rows.size());
    if (width == 0 || width > kMaxPathCells || height > kMaxPathCells ||
        width * height > kMaxPathCells) {
        return;
    }
    gridWidth = static_cast<int>(width);
    gridHeight = static_cast<int>(height);
    nodes.reserve(static_cast<std::size_t>(width * height));
    for (int r = 0; r < gridHeight; ++r) {
        const std::string& line = rows[r];
        for (int k = 0; k < gridWidth; ++k) {
            const char code = static_cast<std::size_t>(k) < line.size() ? line[k] : kEmptyCode;
            PathNode node;
            node.x = k * tileWidth;
            node.y = r * tileHeight;
            node.solid = isSolidCode(code);
            node.cost = node.solid ? kSolidStepCost : kOpenStepCost;
            nodes.push_back(node);
        }
    }
    search.reset(gridWidth, gridHeight);
}

int TileMap::rowCount() const {
    return clampToInt(rows.size());
}

int TileMap::rowLength(int r) const {
    if (r < 0 || static_cast<std::size_t>(r) >= rows.size()) {
        return 0;
    }
    return clampToInt(rows[r].size());
}

int TileMap::mapWidth() const {
    return rows.empty() ? 0 : clampToInt(rows[0].size());
}

void TileMap::render() {
    if (renderer == nullptr) {
        return;
    }
    const std::int64_t firstColumn = cameraX / tileWidth;
    const std::int64_t endColumn =
        (static_cast<std::int64_t>(cameraX) + kWindowWidth - 1) / tileWidth + 1;
    // Rows below the window would be drawn where nothing can see them.
    for (std::size_t r = 0;
         r < rows.size() && static_cast<std::int64_t>(r) * tileHeight < kWindowHeight; ++r) {
        const std::string& line = rows[r];
        const std::int64_t end = std::min<std::int64_t>(endColumn, line.size());
        for (std::int64_t k = firstColumn; k < end; ++k) {
            SDL_Texture* texture = nullptr;
            switch (line[k]) {
                case kGroundCode:
                    texture = groundTexture;
                    break;
                case kBlackCode:
                    texture = blackTexture;
                    break;
                case kPlatformCode:
                    texture = platformTexture;
                    break;
                default:
                    break;
            }
            if (texture == nullptr) {
                continue;
            }
            const SDL_Rect destination{static_cast<int>(k * tileWidth - cameraX),
                                       static_cast<int>(r) * tileHeight, tileWidth, tileHeight};
            SDL_RenderCopy(renderer, texture, nullptr, &destination);
        }
    }
}

void TileMap::updateCamera(int x, int /*y*/) {
    const std::int64_t mapPixels = static_cast<std::int64_t>(mapWidth()) * tileWidth;
    if (x <= kCameraLead) {
        cameraX = 0;
    } else if (x < mapPixels - kCameraLead) {
        cameraX = x - kCameraLead;
    }
}

void TileMap::showAtStart(int x) {
    const std::int64_t mapPixels = static_cast<std::int64_t>(mapWidth()) * tileWidth;
    std::int64_t camera = std::int64_t{x} - kCameraLead;
    if (x < mapPixels) {
        camera = std::min(camera, mapPixels - kWindowWidth);
    }
    cameraX = static_cast<int>(std::max<std::int64_t>(camera, 0));
}

char TileMap::cellAt(int x, int y) const {
    const int column = x / tileWidth;
    const int row = y / tileHeight;
    if (column < 0 || row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        return 0;
    }
    const std::string& line = rows[row];
    return static_cast<std::size_t>(column) < line.size() ? line[column] : 0;
}

bool TileMap::isWall(int x, int y) const {
    const char code = cellAt(x, y);
    return code == kGroundCode || code == kDoorCode;
}

bool TileMap::isPlatform(int x, int y) const {
    return cellAt(x, y) == kPlatformCode;
}

bool TileMap::isSameRow(int y1, int y2) const {
    return y1 / tileHeight == y2 / tileHeight;
}

const PathNode* TileMap::nodeAt(int column, int row) const {
    if (column < 0 || row < 0 || column >= gridWidth || row >= gridHeight) {
        return nullptr;
    }
    return &nodes[static_cast<std::size_t>(row) * gridWidth + column];
}

void TileMap::findPath(int startX, int startY, int goalX, int goalY, int& outX, int& outY) {
    search.clearLastSearch();
    const PathNode* goal = nodeAt(goalX / tileWidth, goalY / tileHeight);
    const PathNode* start = nodeAt(startX / tileWidth, startY / tileHeight);
    if (goal == nullptr || start == nullptr) {
        outX = kNoPath;
        outY = kNoPath;
        return;
    }
    if (start == goal) {
        return;
    }
    const int step = search.firstStep(static_cast<int>(start - nodes.data()),
                                      static_cast<int>(goal - nodes.data()));
    if (step == PathSearch::kUnreachable) {
        outX = kNoPath;
        outY = kNoPath;
        return;
    }
    outX = nodes[step].x;
    outY = nodes[step].y;
}
