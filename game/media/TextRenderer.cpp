#include "game/media/TextRenderer.h"

#include <climits>
#include <cstdio>

namespace {
constexpr const char* kFontPath = "assets/DejaVuSans.ttf";
constexpr int kSmallFontSize = 18;
constexpr int kLargeFontSize = 30;
// Alpha is not used by solid rendering; text is drawn opaque.
constexpr SDL_Color kTitleColour{255, 255, 255, 0};

// The process-wide line id counter; 0 is never an id, so callers may use it as "no line".
int lastTextId = 0;

int nextTextId() {
    // After INT_MAX ids the count starts again at 1 rather than overflowing.
    if (lastTextId == INT_MAX) {
        lastTextId = 0;
    }
    return ++lastTextId;
}

void reportFailure(const char* what) {
    std::printf("%s", what);
    std::printf("%s \n", SDL_GetError());
    std::fflush(stdout);
}
}  // namespace

TextRenderer::TextRenderer(SDL_Renderer* renderer_) : renderer(renderer_) {
    smallFont = TTF_OpenFont(kFontPath, kSmallFontSize);
    largeFont = TTF_OpenFont(kFontPath, kLargeFontSize);
}

TextRenderer::~TextRenderer() {
    if (smallFont != nullptr) {
        TTF_CloseFont(smallFont);
    }
    if (largeFont != nullptr) {
        TTF_CloseFont(largeFont);
    }
}

int TextRenderer::addText(const char* text, SDL_Color colour, int x, int y) {
    return append(text, smallFont, colour, x, y);
}

int TextRenderer::addTitleText(const char* text, int x, int y) {
    return append(text, largeFont, kTitleColour, x, y);
}

int TextRenderer::append(const char* text, TTF_Font* font, SDL_Color colour, int x, int y) {
    const int id = nextTextId();
    entries.push_back(TextEntry{id, text, x, y, font, colour});
    return id;
}

void TextRenderer::setText(int id, const char* text) {
    for (TextEntry& entry : entries) {
        if (entry.id == id) {
            entry.text = text;
            return;
        }
    }
}

void TextRenderer::removeText(int id) {
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->id == id) {
            entries.erase(it);
            return;
        }
    }
}

void TextRenderer::renderAll() {
    for (const TextEntry& entry : entries) {
        renderLine(entry);
    }
}

void TextRenderer::renderLine(const TextEntry& entry) {
    SDL_Surface* surface = nullptr;
    // SDL_ttf is not relied on to reject a missing font or text; both take the
    // same path as any other rasterising failure.
    if (entry.font == nullptr) {
        SDL_SetError("Font '%s' is not open", kFontPath);
    } else if (entry.text == nullptr) {
        SDL_SetError("Text line %d has no text", entry.id);
    } else {
        surface = TTF_RenderText_Solid(entry.font, entry.text, entry.colour);
    }
    if (surface == nullptr) {
        reportFailure("Surface not loaded for font \n");
        return;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
    if (texture == nullptr) {
        reportFailure("Texture not loaded for font \n");
        SDL_FreeSurface(surface);
        return;
    }
    int w = 0;
    int h = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, &w, &h);
    const SDL_Rect destination{entry.x, entry.y, w, h};
    SDL_RenderCopy(renderer, texture, nullptr, &destination);
    SDL_DestroyTexture(texture);
    SDL_FreeSurface(surface);
}
