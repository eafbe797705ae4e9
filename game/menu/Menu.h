#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <memory>

class AudioManager;
class Game;
class KeyState;
class Sprite;
class TextRenderer;
class TileMap;

// The main menu, level select and options screens: a background level, a column
// of white items and an arrow at the selected one. The Game's state says which
// screen is shown; the menu switches screens and starts levels through the Game.
class Menu {
public:
    static constexpr int kItemX = 240;
    static constexpr int kArrowGap = 80;
    static constexpr int kLabelSize = 64;
    static constexpr int kLevelCount = 3;
    static constexpr int kBackIndex = 3;
    // Text ids start at 1, so 0 stands for "no item".
    static constexpr int kNoId = 0;

    // Loads the arrow and the main menu background and starts the music; builds no screen.
    Menu(SDL_Renderer* renderer, KeyState& keyState, Game& game, AudioManager& audio);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Switches to the main menu unless it is already shown.
    void buildMainMenu();
    // Switches to the level select unless it is already shown; cursor and background stay.
    void buildLevelSelect();
    // Switches to the options screen unless it is already shown.
    void buildOptions();
    // Moves the selection, wrapping at both ends; held at 3 on the options screen.
    void moveCursor(int step);
    // Acts on the selected item.
    void selectItem();
    // Once per frame in a menu state: labels, background, items, arrow, one key action, volume.
    void update();
    int getCursor() const { return cursor; }
    // The text shown by level label index (0..2), as last formatted.
    const char* getLevelLabel(int index) const { return levelLabels[index].data(); }

private:
    void removeItem(int& id);
    void drawArrow();

    SDL_Renderer* renderer;
    std::unique_ptr<TextRenderer> text;
    std::unique_ptr<TileMap> background;
    KeyState& keyState;
    Game& game;
    AudioManager& audio;
    std::unique_ptr<Sprite> arrow;
    std::array<int, 3> mainItemIds{kNoId, kNoId, kNoId};
    int backItemId = kNoId;
    int volumeItemId = kNoId;
    std::array<int, kLevelCount> levelItemIds{kNoId, kNoId, kNoId};
    int32_t cursor = 0;
    int32_t itemX = kItemX;
    int32_t arrowGap = kArrowGap;
    int32_t lastIndex = 2;
    std::array<std::array<char, kLabelSize>, kLevelCount> levelLabels{};
    // The volume line borrows this buffer while the options screen is shown.
    std::array<char, kLabelSize> volumeLabel{};
};
