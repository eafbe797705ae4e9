#pragma once

#include <SDL.h>

#include <string>
#include <vector>

// The level grid of the editor: the rows of its level file, one bitmap per
// drawable cell code, a horizontal camera, cell toggling and saving.
//
// Safety rules of this grid:
// - A file that is missing, empty, unreadable part way or larger than
//   LevelFile::kMaxBytes leaves the map not loaded; it then never saves, so such
//   a file is never overwritten.
// - Rows may be shorter than the view or than each other: cells a row does not
//   have draw as empty and clicks on them (or below the last row) change nothing.
// - Every other character in the file stays as it is; a CR before an LF is
//   dropped on load, so a save writes LF line ends only.
class EditorMap {
public:
    // Loads the rows of the file at path and the ten cell bitmaps (drawn opaque,
    // without a colour key; one whose header claims more than 4096 x 4096 pixels
    // is not loaded). A file that cannot be used prints one line saying
    // why; isLoaded() then answers false. The renderer is borrowed and must
    // outlive the map.
    EditorMap(SDL_Renderer* renderer, const std::string& path);
    // Destroys the cell textures; the renderer must still exist.
    ~EditorMap();
    EditorMap(const EditorMap&) = delete;
    EditorMap& operator=(const EditorMap&) = delete;

    // True when the file was read completely and holds at least one row.
    bool isLoaded() const { return loaded; }
    // Draws the cells of the 20 columns in view for the rows inside the window.
    void render();
    // Toggles the cell under window pixel (x, y): '.' becomes code, anything else
    // becomes '.'. Positions outside the grid change nothing.
    void toggleCell(int x, int y, char code);
    // Replaces the level file with the rows, each followed by "\n". Answers false
    // without writing when the map is not loaded; on a failed write prints
    // "Could not save <path>: <reason>" and leaves the previous file intact.
    bool save();
    // Places the camera for a scroll focus (a level x that is a multiple of the
    // tile width): left edge up to 320, focus - 288 while the view stays inside
    // the level, the level's last 640 pixels (or the left edge) beyond its end.
    void updateCamera(int focus);

    // Number of rows, file lines in file order.
    int rowCount() const { return static_cast<int>(rows.size()); }
    // Cells in row i; 0 for a row the grid does not have.
    int rowLength(int i) const;
    // Row i as text; rows outside the grid read as empty.
    const std::string& rowText(int i) const;
    // Width and height of a cell in pixels: 32.
    int tileWidth() const { return tileWidthPixels; }
    int tileHeight() const { return tileHeightPixels; }
    // The level x shown at the window's left edge; a multiple of the tile width.
    int getCameraX() const { return cameraX; }

private:
    // Number of drawable cell codes, each with its texture.
    static constexpr int kTextureCount = 10;

    // The texture that a cell code draws, or null for codes drawn as nothing.
    SDL_Texture* textureFor(char code) const;
    void loadTextures();

    SDL_Renderer* renderer;
    std::vector<std::string> rows;
    std::string path;
    int tileWidthPixels = 32;
    int tileHeightPixels = 32;
    SDL_Texture* textures[kTextureCount] = {};
    int cameraX = 0;
    bool loaded = false;
};
