#include "editor/LevelEditor.h"

#include <cstdio>

#include "common/VideoDriverCheck.h"

namespace {

constexpr const char* kTitle = "The Grellik Level Editor";
constexpr const char* kLevelPath = "Assets/level.txt";
constexpr int kWindowX = 250;
constexpr int kWindowY = 50;
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
// Holds the editor to about 60 pictures a second and keeps it from spinning.
constexpr Uint32 kFrameDelayMs = 16;
// Level pixels per arrow press; not a multiple of the tile width on purpose, so the
// view moves one or two columns per press.
constexpr int kScrollStep = 39;
// The background is white and the cursor square black, both opaque.
constexpr Uint8 kWhite = 255;
constexpr Uint8 kBlack = 0;
constexpr Uint8 kOpaque = 255;

// A selection key and the cell code it selects, in the order keys are tested.
struct Selection {
    int flag;
    char code;
};
constexpr Selection kSelections[] = {
    {FlagG, 'G'}, {FlagP, 'P'}, {FlagM, 'M'}, {FlagB, 'B'}, {FlagE, 'E'}, {FlagI, 'I'},
    {FlagD, 'D'}, {FlagC, 'C'}, {FlagH, 'H'}, {FlagA, 'A'}, {FlagU, 'U'},
};

void waitForOneCharacter() {
    std::printf("Press any key to continue\n");
    std::fflush(stdout);
    std::getchar();
}

}  // namespace

LevelEditor::LevelEditor(EditorInput& input_) : input(input_) {
    SDL_Init(SDL_INIT_VIDEO);
    if (const char* driver = VideoDriverCheck::invisibleDriver()) {
        std::printf("WINDOW initialisation failed: %s\n", VideoDriverCheck::reason(driver).c_str());
        waitForOneCharacter();
        return;
    }
    window = SDL_CreateWindow(kTitle, kWindowX, kWindowY, kWindowWidth, kWindowHeight, 0);
    if (window == nullptr) {
        std::printf("WINDOW initialisation failed: %s\n", SDL_GetError());
        waitForOneCharacter();
        return;
    }
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (renderer == nullptr) {
        std::printf("RENDERER initialisation failed: %s\n", SDL_GetError());
        waitForOneCharacter();
        return;
    }
    fullscreen = std::make_unique<FullscreenToggle>(window, renderer, kWindowWidth, kWindowHeight);
    map = std::make_unique<EditorMap>(renderer, kLevelPath);
    scrollX = 0;
    selectedCode = 'G';
}

LevelEditor::~LevelEditor() {
    // The grid is the only copy of the edits: when the file will not take it, it
    // goes to a recovery file rather than away with the program.
    if (map != nullptr && map->isLoaded() && !map->save()) {
        map->saveRecovery();
    }
    map.reset();
    fullscreen.reset();
    if (renderer != nullptr) {
        SDL_DestroyRenderer(renderer);
    }
    if (window != nullptr) {
        SDL_DestroyWindow(window);
    }
}

bool LevelEditor::isReady() const {
    return window != nullptr && renderer != nullptr && map != nullptr && map->isLoaded();
}

bool LevelEditor::runLoopPass() {
    // A quick Escape, pressed and released within the last poll, quits too.
    if (input.isDownOrTapped(FlagEscape)) {
        return false;
    }
    input.pollEvents();
    // Left Ctrl + S typed quickly may be down and up again within one poll.
    if (input.isDownOrTapped(FlagLeftCtrl) && input.consumePress(FlagS)) {
        saveLevel();
    }
    if (input.consumeFullscreenRequest() && fullscreen != nullptr) {
        fullscreen->toggle();
    }
    update();
    return true;
}

void LevelEditor::update() {
    render();
    scrollKeys();
    click();
    selectCellCode();
    if (map != nullptr) {
        // Division truncates toward zero, so a focus left of the level start cuts to 0.
        map->updateCamera((scrollX / map->tileWidth()) * map->tileWidth());
    }
}

void LevelEditor::render() {
    if (renderer != nullptr) {
        SDL_SetRenderDrawColor(renderer, kWhite, kWhite, kWhite, kOpaque);
    }
    SDL_RenderClear(renderer);
    if (fullscreen != nullptr) {
        fullscreen->paintBars();
    }
    if (map != nullptr) {
        map->render();
    }
    drawCursor();
    SDL_RenderPresent(renderer);
    SDL_Delay(kFrameDelayMs);
}

bool LevelEditor::saveLevel() {
    return map != nullptr && map->save();
}

void LevelEditor::scrollKeys() {
    if (input.consumePress(FlagLeft)) {
        scrollX -= kScrollStep;
    }
    if (input.consumePress(FlagRight)) {
        scrollX += kScrollStep;
    }
}

void LevelEditor::click() {
    if (input.consumePress(FlagMouseLeft) && map != nullptr) {
        const EditorPoint at = input.clickPosition();
        if (at.x >= kWindowWidth || at.y >= kWindowHeight) {
            return;
        }
        map->toggleCell(at.x, at.y, selectedCode);
    }
}

void LevelEditor::selectCellCode() {
    for (const Selection& selection : kSelections) {
        if (input.consumePress(selection.flag)) {
            selectedCode = selection.code;
            return;
        }
    }
}

void LevelEditor::drawCursor() {
    if (map == nullptr) {
        return;
    }
    const EditorPoint pointer = input.pointerPosition();
    const int w = map->tileWidth();
    const int h = map->tileHeight();
    const SDL_Rect rectToDraw{(pointer.x / w) * w, (pointer.y / h) * h, w, h};
    SDL_SetRenderDrawColor(renderer, kBlack, kBlack, kBlack, kOpaque);
    SDL_RenderDrawRect(renderer, &rectToDraw);
}
