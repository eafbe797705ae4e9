#include "game/menu/Menu.h"

#include <cstdio>

#include "game/media/AudioManager.h"
#include "game/media/Sprite.h"
#include "game/media/TextRenderer.h"
#include "game/shell/Game.h"
#include "game/shell/KeyState.h"
#include "game/world/TileMap.h"

namespace {
constexpr const char* kArrowBitmap = "assets/sprites/menu/arrow.bmp";
constexpr const char* kMainBackground = "assets/levels/mainMenu.txt";
constexpr const char* kOptionsBackground = "assets/levels/optionsMenu.txt";
constexpr const char* kMainItems[3] = {"Start Game", "Options Game", "Quit Game"};
constexpr const char* kBackItem = "Back to main menu";
constexpr const char* kVolumePrefix = "Audio Volume: ";
constexpr int kTileSize = 32;
constexpr int kItemY[4] = {180, 230, 280, 330};
constexpr int kVolumeY = 250;
constexpr int kMainLastIndex = 2;
constexpr int kLevelSelectLastIndex = 3;
}  // namespace

Menu::Menu(SDL_Renderer* renderer_, KeyState& keyState_, Game& game_, AudioManager& audio_)
    : renderer(renderer_),
      text(std::make_unique<TextRenderer>(renderer_)),
      keyState(keyState_),
      game(game_),
      audio(audio_) {
    arrow = std::make_unique<Sprite>(renderer, kArrowBitmap);
    background = std::make_unique<TileMap>(renderer, kMainBackground, kTileSize, kTileSize);
    audio.playMusic();
}

Menu::~Menu() = default;

void Menu::removeItem(int& id) {
    if (id != kNoId) {
        text->removeText(id);
        id = kNoId;
    }
}

void Menu::buildMainMenu() {
    if (game.getState() == MainMenu) {
        return;
    }
    game.setState(MainMenu);
    for (int& id : levelItemIds) {
        removeItem(id);
    }
    removeItem(backItemId);
    removeItem(volumeItemId);
    lastIndex = kMainLastIndex;
    for (int i = 0; i < 3; ++i) {
        mainItemIds[i] = text->addTitleText(kMainItems[i], itemX, kItemY[i]);
    }
    cursor = 0;
    background->load(kMainBackground);
}

void Menu::buildLevelSelect() {
    if (game.getState() == LevelSelect) {
        return;
    }
    game.setState(LevelSelect);
    for (int& id : mainItemIds) {
        removeItem(id);
    }
    lastIndex = kLevelSelectLastIndex;
    for (int i = 0; i < kLevelCount; ++i) {
        levelItemIds[i] = text->addTitleText(levelLabels[i].data(), itemX, kItemY[i]);
    }
    backItemId = text->addTitleText(kBackItem, itemX, kItemY[kBackIndex]);
}

void Menu::buildOptions() {
    if (game.getState() == Options) {
        return;
    }
    game.setState(Options);
    cursor = kBackIndex;
    for (int& id : mainItemIds) {
        removeItem(id);
    }
    background->load(kOptionsBackground);
    volumeItemId = text->addTitleText(kVolumePrefix, itemX, kVolumeY);
    backItemId = text->addTitleText(kBackItem, itemX, kItemY[kBackIndex]);
}

void Menu::moveCursor(int step) {
    if (game.getState() == Options) {
        cursor = kBackIndex;
        return;
    }
    cursor += step;
    if (cursor < 0) {
        cursor = lastIndex;
    } else if (cursor > lastIndex) {
        cursor = 0;
    }
}

void Menu::selectItem() {
    if (game.getState() == LevelSelect) {
        if (cursor >= 0 && cursor < kLevelCount) {
            game.startLevel(cursor);
            audio.stopMusic();
        } else if (cursor == kBackIndex) {
            buildMainMenu();
            audio.playSound(AudioManager::kMenuNavigateSound);
        }
        return;
    }
    switch (cursor) {
        case 0:
            buildLevelSelect();
            break;
        case 1:
            buildOptions();
            break;
        case 2:
            game.quit();
            break;
        case kBackIndex:
            buildMainMenu();
            break;
        default:
            return;
    }
    audio.playSound(AudioManager::kMenuNavigateSound);
}

void Menu::update() {
    for (int i = 0; i < kLevelCount; ++i) {
        std::snprintf(levelLabels[i].data(), kLabelSize, "Level %d - Best Time: %iS", i + 1,
                      game.getBestTime(i));
    }
    background->render();
    text->renderAll();
    drawArrow();
    if (keyState.consumePress(KeyUp)) {
        moveCursor(-1);
    } else if (keyState.consumePress(KeyDown)) {
        moveCursor(1);
    } else if (keyState.consumePress(KeyReturn)) {
        selectItem();
    }
    if (game.getState() == Options) {
        std::snprintf(volumeLabel.data(), kLabelSize, "Audio Volume: %i", audio.getVolume());
        text->setText(volumeItemId, volumeLabel.data());
        if (keyState.isDown(KeyLeft)) {
            audio.changeVolume(-1);
        } else if (keyState.isDown(KeyRight)) {
            audio.changeVolume(1);
        }
    }
}

void Menu::drawArrow() {
    if (cursor >= 0 && cursor <= kBackIndex) {
        arrow->draw(itemX - arrowGap, kItemY[cursor]);
    }
}
