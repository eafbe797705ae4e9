#include "game/characters/DumbEnemy.h"

#include "game/characters/Player.h"
#include "game/media/Sprite.h"
#include "game/world/TileMap.h"

DumbEnemy::DumbEnemy(SDL_Renderer* renderer_, const std::string& firstFramePath, int x_, int y_,
                     TileMap* tileMap_)
    : Character(renderer_, firstFramePath, x_, y_, tileMap_, kWalkingEnemy) {
    addFrame("assets/sprites/dumbenemy/dumb_anim_2.bmp");
    addFrame("assets/sprites/dumbenemy/dumb_anim_3.bmp");
}

void DumbEnemy::update(Player* player) {
    Character::update(player);
    applyGravity();
    if (player != nullptr && overlaps(*player)) {
        player->adjustHealth(kContactDamage);
    }
    // The patrol probes use the first frame's size, whatever frame is showing.
    const int w0 = frames.front()->getWidth();
    const int h0 = frames.front()->getHeight();
    if (facing == 0) {
        if (!tileMap->isWall(x - 1, y - 1) && !tileMap->isWall(x, y + h0 - 1)) {
            move(-1, 0);
        } else {
            facing = 1;
        }
    } else {
        if (!tileMap->isWall(x + w0 - 1, y) && !tileMap->isWall(x + w0 + 1, y + h0 - 1)) {
            move(1, 0);
        } else {
            facing = 0;
        }
    }
}
