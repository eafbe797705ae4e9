#pragma once

#include "game/characters/Character.h"

// The walking enemy: falls under gravity, patrols one pixel per update, turns
// at walls, and costs the player 25 health on contact.
class DumbEnemy : public Character {
public:
    static constexpr int kContactDamage = -25;

    // Loads the three walking frames (firstFramePath, then dumb_anim_2 and _3).
    DumbEnemy(SDL_Renderer* renderer, const std::string& firstFramePath, int x, int y,
              TileMap* tileMap);

    // Draws, falls, hurts an overlapping player, then patrols one pixel.
    void update(Player* player) override;
};
