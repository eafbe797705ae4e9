#include "tests/fuzz/EditorMapFuzzEntry.h"

#include <SDL.h>

#include <string>
#include <vector>

#include "editor/EditorMap.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/InRepository.h"

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kCameraMoves = 4;
constexpr int kToggles = 8;
constexpr char kEmptyCell = '.';
// Pointer positions reach a little beyond the window on every side.
constexpr int kPointerMargin = 64;

struct EditorWorld {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::string levelPath;
};

EditorWorld& editorWorld() {
    static EditorWorld* world = [] {
        SDL_Init(SDL_INIT_VIDEO);
        auto* created = new EditorWorld;
        created->window =
            SDL_CreateWindow("fuzz", 0, 0, kWindowWidth, kWindowHeight, SDL_WINDOW_HIDDEN);
        created->renderer = SDL_CreateRenderer(created->window, -1, SDL_RENDERER_SOFTWARE);
        created->levelPath = FuzzInput::scratchFolder() + "/level.txt";
        return created;
    }();
    return *world;
}

// The lines of bytes as a line-by-line read gives them, written independently
// of the editor's reader: split at LF, a CR right before an LF dropped.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            lines.push_back(current);
            current.clear();
            open = false;
        } else if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            current += bytes[i];
            open = true;
        }
    }
    if (open) {
        lines.push_back(current);
    }
    return lines;
}

std::vector<std::string> rowsOf(const EditorMap& map) {
    std::vector<std::string> rows;
    for (int i = 0; i < map.rowCount(); ++i) {
        rows.push_back(map.rowText(i));
    }
    return rows;
}

std::string joined(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row + "\n";
    }
    return text;
}

void moveCamera(EditorMap& map, FuzzInput& input) {
    const long long levelWidth = static_cast<long long>(map.rowLength(0)) * map.tileWidth();
    for (int i = 0; i < kCameraMoves; ++i) {
        // Foci are multiples of the tile width, as the editor makes them.
        const int focus =
            static_cast<int>(static_cast<std::int16_t>(input.next())) * map.tileWidth();
        map.updateCamera(focus);
        const int cameraX = map.getCameraX();
        FuzzInput::require(cameraX >= 0, "the camera never left of the level");
        FuzzInput::require(cameraX % map.tileWidth() == 0, "the camera on a column edge");
        FuzzInput::require(cameraX == 0 || cameraX <= levelWidth - kWindowWidth,
                           "the view never past the level's right edge");
        map.render();
        SDL_RenderFlush(editorWorld().renderer);
    }
}

void toggleAndRestore(EditorMap& map, FuzzInput& input) {
    const std::vector<std::string> before = rowsOf(map);
    for (int i = 0; i < kToggles; ++i) {
        const int x =
            static_cast<int>(input.next() % (kWindowWidth + 2 * kPointerMargin)) - kPointerMargin;
        const int y =
            static_cast<int>(input.next() % (kWindowHeight + 2 * kPointerMargin)) - kPointerMargin;
        const int column = (x + map.getCameraX()) / map.tileWidth();
        const int row = y / map.tileHeight();
        const bool inside = x >= 0 && y >= 0 && row < map.rowCount() && column < map.rowLength(row);
        const char held = inside ? map.rowText(row)[static_cast<std::size_t>(column)] : kEmptyCell;
        // Toggling back restores only with the code the cell held (or any code on '.').
        const char code = held != kEmptyCell ? held : static_cast<char>(input.nextByte());
        const std::vector<std::string> start = rowsOf(map);
        map.toggleCell(x, y, code);
        std::vector<std::string> expected = start;
        if (inside) {
            expected[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                held == kEmptyCell ? code : kEmptyCell;
        }
        FuzzInput::require(rowsOf(map) == expected, "a toggle changes only the cell under it");
        map.toggleCell(x, y, code);
        FuzzInput::require(rowsOf(map) == start, "toggling twice restores the cell");
    }
    FuzzInput::require(rowsOf(map) == before, "the grid is as it was");
}

}  // namespace

int fuzzEditorMap(const std::uint8_t* data, std::size_t size) {
    const InRepository repository;
    EditorWorld& world = editorWorld();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FuzzInput::writeFile(world.levelPath, bytes);
    const std::vector<std::string> lines = linesOf(bytes);
    FuzzInput input(data, size);
    {
        EditorMap map(world.renderer, world.levelPath);
        FuzzInput::require(map.isLoaded() == !lines.empty(), "loaded exactly when it has rows");
        if (!map.isLoaded()) {
            FuzzInput::require(!map.save(), "a grid that did not load never saves");
            FuzzInput::require(FuzzInput::readFile(world.levelPath) == bytes,
                               "a file that did not load is left as it was");
            return 0;
        }
        FuzzInput::require(rowsOf(map) == lines, "the rows are the file's lines");
        moveCamera(map, input);
        FuzzInput::require(map.save(), "the unedited grid saves");
        FuzzInput::require(FuzzInput::readFile(world.levelPath) == joined(lines),
                           "a save gives back the rows, each ending in a line feed");
    }
    // A row ending in CR (from a CR CR LF line end) comes back without it: a CR
    // before a line feed belongs to the line end. Every other row comes back as it was.
    EditorMap reloaded(world.renderer, world.levelPath);
    FuzzInput::require(rowsOf(reloaded) == linesOf(joined(lines)),
                       "the saved file loads as the rows it holds");
    toggleAndRestore(reloaded, input);
    return 0;
}
