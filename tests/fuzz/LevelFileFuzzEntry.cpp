#include "tests/fuzz/LevelFileFuzzEntry.h"

#include <SDL.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/world/LevelFile.h"
#include "game/world/TileMap.h"
#include "tests/game/world/ReferencePathSearch.h"

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kTileBitmapSize = 4;
// Searches per map and input; the reference check runs on grids up to this size.
constexpr int kSearches = 6;
constexpr long long kReferenceCells = 4096;
// A linear open list makes one search cost up to the square of the grid, so only
// grids up to this size are searched here; the unit tests search bigger ones.
constexpr long long kSearchedCells = 65536;

struct SizedMap {
    int tileWidth;
    int tileHeight;
    std::unique_ptr<TileMap> map;
};

struct FuzzWorld {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::vector<SizedMap> maps;
};

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant failed: %s\n", what);
        std::abort();
    }
}

void writeTile(const std::string& path, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, kTileBitmapSize, kTileBitmapSize, 24,
                                                    SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

// One headless renderer and maps of several tile sizes for the whole run; the tile
// bitmaps are written to a temporary folder that is removed once they are loaded.
FuzzWorld* createWorld() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_Init(SDL_INIT_VIDEO);
    auto* world = new FuzzWorld;
    world->window = SDL_CreateWindow("fuzz", 0, 0, kWindowWidth, kWindowHeight, SDL_WINDOW_HIDDEN);
    world->renderer = SDL_CreateRenderer(world->window, -1, SDL_RENDERER_SOFTWARE);
    char folder[] = "/tmp/kestrun-fuzz-XXXXXX";
    char previous[4096];
    const bool moved = mkdtemp(folder) != nullptr && getcwd(previous, sizeof previous) != nullptr &&
                       chdir(folder) == 0;
    if (moved) {
        mkdir("assets", 0700);
        mkdir("assets/tiles", 0700);
        writeTile("assets/tiles/groundTile.bmp", 200, 120, 40);
        writeTile("assets/tiles/blackTile.bmp", 0, 0, 0);
        writeTile("assets/tiles/platformTile.bmp", 40, 200, 90);
    }
    const int sizes[][2] = {{32, 32}, {1, 1}, {255, 7}, {0, 0}};
    for (const auto& size : sizes) {
        world->maps.push_back(SizedMap{
            std::max(size[0], 1), std::max(size[1], 1),
            std::make_unique<TileMap>(world->renderer, "", static_cast<std::uint8_t>(size[0]),
                                      static_cast<std::uint8_t>(size[1]))});
    }
    if (moved) {
        std::remove("assets/tiles/groundTile.bmp");
        std::remove("assets/tiles/blackTile.bmp");
        std::remove("assets/tiles/platformTile.bmp");
        rmdir("assets/tiles");
        rmdir("assets");
        check(chdir(previous) == 0, "working folder restored");
        rmdir(folder);
    }
    return world;
}

FuzzWorld& fuzzWorld() {
    static FuzzWorld* world = createWorld();
    return *world;
}

int clampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Draws numbers from the input's bytes, cycling; zero without input.
class ByteSource {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    unsigned next() {
        if (size_ == 0) {
            return 0;
        }
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            value = (value << 8) | data_[position_++ % size_];
        }
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Pixel coordinates at the edges of a span of cells, past them, at the int range's
// ends and a few inside picked by the input.
std::vector<int> coordinates(int cells, int tileSize, ByteSource& bytes) {
    const long long end = static_cast<long long>(cells) * tileSize;
    std::vector<int> values{
        INT_MIN,  clampToInt(-tileSize - 1), -tileSize,       -1,     0, tileSize - 1,
        tileSize, clampToInt(end - 1),       clampToInt(end), INT_MAX};
    for (int i = 0; i < 4; ++i) {
        values.push_back(
            clampToInt(static_cast<long long>(bytes.next() % (end + 2 * tileSize)) - tileSize));
    }
    return values;
}

void checkSplit(const std::string& bytes, const std::vector<std::string>& rows) {
    // Joining the rows gives the input with each CR before an LF removed.
    std::string joined;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        joined += rows[i];
        if (i + 1 < rows.size() || (!bytes.empty() && bytes.back() == '\n')) {
            joined += '\n';
        }
    }
    std::string expected;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            expected += bytes[i];
        }
    }
    check(joined == expected, "rows join back to the input");
}

void exerciseMap(SizedMap& sized, const std::vector<std::string>& rows, ByteSource& bytes,
                 FuzzWorld& world) {
    TileMap& map = *sized.map;
    map.loadRows(rows);
    check(map.rowCount() == static_cast<int>(std::min<std::size_t>(rows.size(), INT_MAX)),
          "row count");
    const int width = map.mapWidth();
    const int height = map.rowCount();
    const std::vector<int> xs = coordinates(width, sized.tileWidth, bytes);
    const std::vector<int> ys = coordinates(height, sized.tileHeight, bytes);
    for (int x : {xs[0], xs[8], xs[9], xs[10]}) {
        map.updateCamera(x, 0);
        check(map.getCameraX() >= 0, "camera never left of the map");
        map.render();
        // As presenting does each frame, so queued draw commands are recycled.
        SDL_RenderFlush(world.renderer);
    }
    for (int x : xs) {
        for (int y : ys) {
            const bool wall = map.isWall(x, y);
            const bool platform = map.isPlatform(x, y);
            check(!(wall && platform), "a cell is not both wall and platform");
            map.isSameRow(x, y);
        }
    }
    for (int column : {-1, 0, width - 1, width}) {
        for (int row : {-1, 0, height - 1, height}) {
            const PathNode* node = map.nodeAt(column, row);
            check(node == nullptr || (column >= 0 && row >= 0 && column < width && row < height),
                  "nodes only inside the grid");
        }
    }
    const long long cells = static_cast<long long>(width) * height;
    if (cells > kSearchedCells) {
        return;
    }
    std::unique_ptr<worldtest::ReferencePathSearch> reference;
    if (cells <= kReferenceCells) {
        reference = std::make_unique<worldtest::ReferencePathSearch>(rows, sized.tileWidth,
                                                                     sized.tileHeight);
    }
    int outX = 1;
    int outY = 2;
    int expectedX = outX;
    int expectedY = outY;
    for (int i = 0; i < kSearches; ++i) {
        const int startX = xs[bytes.next() % xs.size()];
        const int startY = ys[bytes.next() % ys.size()];
        const int goalX = xs[bytes.next() % xs.size()];
        const int goalY = ys[bytes.next() % ys.size()];
        map.findPath(startX, startY, goalX, goalY, outX, outY);
        if (reference != nullptr) {
            reference->findPath(startX, startY, goalX, goalY, expectedX, expectedY);
            check(outX == expectedX && outY == expectedY, "search matches the reference");
        }
    }
}

}  // namespace

int fuzzLevelFile(const std::uint8_t* data, std::size_t size) {
    FuzzWorld& world = fuzzWorld();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> rows = LevelFile::splitRows(bytes);
    checkSplit(bytes, rows);
    ByteSource source(data, size);
    for (SizedMap& sized : world.maps) {
        exerciseMap(sized, rows, source, world);
        // Every input frees what it allocated, so the leak check stays quiet.
        sized.map->loadRows({});
    }
    return 0;
}
