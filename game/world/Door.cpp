#include "game/world/Door.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "game/characters/Box.h"
#include "game/characters/Player.h"
#include "game/media/Sprite.h"
#include "game/world/LevelPlay.h"
#include "game/world/TileMap.h"

namespace {
constexpr int kCompleted = 1;
}  // namespace

Door::Door(SDL_Renderer* renderer_, const std::string& path, int x_, int y_, LevelPlay* levelPlay_,
           TileMap* tileMap_)
    : renderer(renderer_),
      sprite(std::make_unique<Sprite>(renderer_, path)),
      x(x_),
      y(y_),
      levelPlay(levelPlay_),
      tileMap(tileMap_) {}

Door::~Door() = default;

void Door::update(Player* player) {
    const std::int64_t camera = tileMap == nullptr ? 0 : tileMap->getCameraX();
    sprite->draw(static_cast<int>(std::clamp<std::int64_t>(x - camera, INT_MIN, INT_MAX)), y);
    if (player != nullptr && player->getScore() >= kRequiredScore && overlaps(*player)) {
        levelPlay->reportLevelEnd(player->getScore(), player->getTime(), kCompleted);
    }
}

bool Door::overlaps(const Player& player) const {
    Box box{x, y, sprite->getWidth(), sprite->getHeight()};
    if (box.w == 0 || box.h == 0) {
        // A door whose picture did not load is still its whole cell, so the level
        // can be completed; an empty box would be a single point at the corner.
        box.w = LevelPlay::kCellSize;
        box.h = LevelPlay::kCellSize;
    }
    return box.overlaps(player.getBox());
}
