#pragma once

#include <SDL.h>

#include <memory>

#include "common/FullscreenToggle.h"
#include "editor/EditorInput.h"
#include "editor/EditorMap.h"

// The editor application: its window and renderer, the grid of "Assets/level.txt"
// and one frame of editing per update. Created by the program entry with the
// input object, which it borrows.
class LevelEditor {
public:
    // Opens the 640 x 480 window "The Grellik Level Editor" at (250, 50) and its
    // renderer, then loads the map. A window or renderer failure prints its message
    // and waits for one character on standard input; isReady() then answers false.
    explicit LevelEditor(EditorInput& input);
    // Saves the level (unless the map was never loaded; when the save fails, to a
    // recovery file instead), then destroys the map's textures, the renderer and
    // the window, in that order.
    ~LevelEditor();
    LevelEditor(const LevelEditor&) = delete;
    LevelEditor& operator=(const LevelEditor&) = delete;

    // True when the window, the renderer and a loaded map all exist; the main loop
    // must not run otherwise.
    bool isReady() const;
    // One pass of the program's main loop: answers false, doing nothing, when
    // Escape is held or was tapped in the last poll; otherwise polls events, saves
    // on Left Ctrl + S (either or both may be quick taps), toggles fullscreen on
    // F11 or Alt+Return and runs one update, then answers true.
    bool runLoopPass();
    // One frame: the picture (with its 16 ms delay), then scroll keys, click,
    // cell-code selection and camera, in that order.
    void update();
    // Draws one picture (white, cells, cursor), presents it and waits 16 ms.
    void render();
    // Asks the map to write the level file; false when nothing was written.
    bool saveLevel();

    // The cell code that a click places.
    char getSelectedCode() const { return selectedCode; }
    // The horizontal scroll focus in level pixels, without bounds.
    int getScrollX() const { return scrollX; }
    // The grid; null after a window or renderer failure.
    EditorMap* getMap() const { return map.get(); }
    // The renderer; null after a window or renderer failure.
    SDL_Renderer* getRenderer() const { return renderer; }
    // Null after a window or renderer failure.
    FullscreenToggle* getFullscreen() const { return fullscreen.get(); }

private:
    // Moves scrollX by one step for each consumed arrow press, left first.
    void scrollKeys();
    // Toggles the clicked cell with the code selected before this frame; a click
    // on the bars around a scaled picture toggles nothing.
    void click();
    // Selects the code of the first selection key pressed, in g, p, m, b, e, i,
    // d, c, h, a, u order; later keys keep their flags for a later frame.
    void selectCellCode();
    // Outlines the cell under the pointer with a one-pixel black square.
    void drawCursor();

    SDL_Renderer* renderer = nullptr;
    SDL_Window* window = nullptr;
    std::unique_ptr<EditorMap> map;
    EditorInput& input;
    int scrollX = 0;
    char selectedCode = 'G';
    std::unique_ptr<FullscreenToggle> fullscreen;
};
