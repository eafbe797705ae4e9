#pragma once

#include "game/characters/Character.h"

// The flying enemy: no gravity; every update it asks the tile map for the next
// cell on a shortest path to the player and flies toward it one pixel per axis.
class BirdEnemy : public Character {
public:
    static constexpr int kContactDamage = -25;
    // findPath's answer when there is no path.
    static constexpr int kNoPath = -999;

    // Loads the four flapping frames: firstFramePath, bird_anim_2, _3, and _2 again.
    BirdEnemy(SDL_Renderer* renderer, const std::string& firstFramePath, int x, int y,
              TileMap* tileMap);

    // Draws; with a player, chases it and hurts it on contact.
    void update(Player* player) override;
    // One path-following step toward the player: horizontal move, then vertical.
    void chase(Player& player);
    SDL_Point getTarget() const { return SDL_Point{targetX, targetY}; }

private:
    int targetX;
    int targetY;
    int speed = 1;
};
