#include "game/world/Door.h"

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
    const SDL_Point p = player.getPosition();
    const int dw = sprite->getWidth();
    const int dh = sprite->getHeight();
    return p.x + player.getWidth() >= x && p.x <= x + dw && p.y >= y - dh &&
           p.y - player.getHeight() <= y;
}
