#include "game/characters/BirdEnemy.h"

#include <cstdio>

#include "game/characters/Player.h"
#include "game/world/TileMap.h"

BirdEnemy::BirdEnemy(SDL_Renderer* renderer_, const std::string& firstFramePath, int x_, int y_,
                     TileMap* tileMap_)
    : Character(renderer_, firstFramePath, x_, y_, tileMap_, kFlyingEnemy),
      targetX(x_),
      targetY(y_) {
    addFrame("assets/sprites/birdenemy/bird_anim_2.bmp");
    addFrame("assets/sprites/birdenemy/bird_anim_3.bmp");
    addFrame("assets/sprites/birdenemy/bird_anim_2.bmp");
}

void BirdEnemy::update(Player* player) {
    Character::update(player);
    if (player == nullptr) {
        return;
    }
    chase(*player);
    if (overlaps(*player)) {
        player->adjustHealth(kContactDamage);
    }
}

void BirdEnemy::chase(Player& player) {
    const SDL_Point goal = player.getPosition();
    if (tileMap != nullptr) {
        tileMap->findPath(x, y, goal.x, goal.y, targetX, targetY);
    } else {
        targetX = kNoPath;
        targetY = kNoPath;
    }
    if (goal.x == x && goal.y == y) {
        std::printf("SAME LOCATION");
        std::fflush(stdout);
    }
    if (targetY < 0) {
        return;
    }
    if (x > targetX) {
        move(-speed, 0);
    } else if (x < targetX) {
        move(speed, 0);
    }
    if (y > targetY) {
        move(0, -speed);
    } else if (y < targetY) {
        move(0, speed);
    }
}
