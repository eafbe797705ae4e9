#include "game/world/Door.h"

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
    sprite->draw(x - tileMap->getCameraX(), y);
    if (player != nullptr && player->getScore() >= kRequiredScore && overlaps(*player)) {
        levelPlay->reportLevelEnd(player->getScore(), player->getTime(), kCompleted);
    }
}

bool Door::overlaps(const Player& player) const {
    const Box box{x, y, sprite->getWidth(), sprite->getHeight()};
    return box.overlaps(player.getBox());
}
