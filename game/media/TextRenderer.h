#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <vector>

// One positioned line of text. The text is borrowed from the caller; the font
// is borrowed from the TextRenderer that holds the line.
struct TextEntry {
    int id;
    const char* text;
    int x;
    int y;
    TTF_Font* font;
    SDL_Color colour;
};

// A list of text lines, each rasterised afresh from its text on every
// renderAll. Line ids come from one counter shared by every TextRenderer of the
// process, so an id is never handed out twice during a run (the first is 1).
// TTF_Init must have been called before one is created.
class TextRenderer {
public:
    // Borrows the renderer, which must outlive this object; opens both fonts.
    // A font that fails to open is left empty and reported on each renderAll.
    explicit TextRenderer(SDL_Renderer* renderer);
    // Closes the fonts that opened.
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // Appends a line in the 18 point font; text is borrowed and must stay alive
    // (it may be rewritten in place) until the line is removed or repointed.
    int addText(const char* text, SDL_Color colour, int x, int y);
    // Appends a white line in the 30 point font; text is borrowed as in addText.
    int addTitleText(const char* text, int x, int y);
    // Points the first line with this id at text (borrowed); unknown ids change nothing.
    void setText(int id, const char* text);
    // Removes the first line with this id, keeping the others in order; unknown
    // ids change nothing.
    void removeText(int id);
    // Draws every line in list order at its natural size; a line that cannot be
    // drawn prints a two-line message to stdout and the others still draw.
    void renderAll();

private:
    int append(const char* text, TTF_Font* font, SDL_Color colour, int x, int y);
    void renderLine(const TextEntry& entry);

    std::vector<TextEntry> entries;
    SDL_Renderer* renderer;
    TTF_Font* smallFont = nullptr;
    TTF_Font* largeFont = nullptr;
};
