#include "game/characters/DumbEnemy.h"

#include "game/characters/Player.h"
#include "game/media/Sprite.h"

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
    const int bottom = shifted(y, std::int64_t{h0} - 1);
    if (facing == 0) {
        if (!wallAt(shifted(x, -1), shifted(y, -1)) && !wallAt(x, bottom)) {
            move(-1, 0);
        } else {
            facing = 1;
        }
    } else {
        if (!wallAt(shifted(x, std::int64_t{w0} - 1), y) &&
            !wallAt(shifted(x, std::int64_t{w0} + 1), bottom)) {
            move(1, 0);
        } else {
            facing = 0;
        }
    }
}
