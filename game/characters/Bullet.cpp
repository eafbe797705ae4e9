#include "game/characters/Bullet.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "game/characters/Character.h"
#include "game/media/Sprite.h"
#include "game/shell/FrameTime.h"
#include "game/world/TileMap.h"

namespace {
// Pixels per step.
constexpr int kBulletSpeed = 8;
// Seconds a bullet flies before it is spent.
constexpr float kBulletLifetime = 1.5f;
constexpr int kBulletDamage = 35;

int saturate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}
}  // namespace

Bullet::Bullet(SDL_Renderer* renderer_, const std::string& path, int x_, int y_, int facing_,
               TileMap* tileMap_)
    : renderer(renderer_),
      sprite(std::make_unique<Sprite>(renderer_, path)),
      tileMap(tileMap_),
      facing(facing_),
      x(x_),
      y(y_),
      speed(facing_ == 0 ? -kBulletSpeed : kBulletSpeed),
      lifetime(kBulletLifetime),
      damage(kBulletDamage) {}

Bullet::~Bullet() = default;

void Bullet::update() {
    x = saturate(std::int64_t{x} + speed);
    const int cameraX = tileMap == nullptr ? 0 : tileMap->getCameraX();
    sprite->draw(saturate(std::int64_t{x} - cameraX), y);
    lifetime = static_cast<float>(lifetime - deltaTime);
    if (lifetime < 0.0f) {
        dead = true;
        return;
    }
    const int rightEdge = saturate(std::int64_t{x} + sprite->getWidth());
    if (tileMap != nullptr && (tileMap->isWall(x, y) || tileMap->isWall(rightEdge, y))) {
        dead = true;
    }
}

bool Bullet::hitEnemies(std::vector<Character*> enemies) {
    const Box box{x, y, sprite->getWidth(), sprite->getHeight()};
    for (Character* enemy : enemies) {
        if (enemy != nullptr && box.overlaps(enemy->getBox())) {
            enemy->changeHealth(-damage);
            dead = true;
            return true;
        }
    }
    return false;
}
