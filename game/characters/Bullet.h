#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

class Character;
class Sprite;
class TileMap;

// The player's shot: flies 8 pixels per step along its facing, is spent after
// 1.5 s or on hitting a wall, and takes 35 health from the first enemy it touches.
// Positions saturate at the int range like a character's.
class Bullet {
public:
    // Loads the sprite from path; facing 0 flies left, anything else right.
    Bullet(SDL_Renderer* renderer, const std::string& path, int x, int y, int facing,
           TileMap* tileMap);
    // Deletes the sprite.
    ~Bullet();
    Bullet(const Bullet&) = delete;
    Bullet& operator=(const Bullet&) = delete;

    // One step: move, draw unmirrored, age; spent when the lifetime runs out or when
    // (x, y) or (x + w, y) lies in a wall after the move.
    void update();
    // Damages the first listed enemy whose box overlaps the bullet's (touching
    // counts) and marks the bullet spent; true if one was hit. Ignores either side's
    // dead flag. Null entries are skipped.
    bool hitEnemies(std::vector<Character*> enemies);
    // Whether the bullet is spent; the level deletes it then.
    bool isDead() const { return dead; }
    // Health taken from the enemy hit.
    int getDamage() const { return damage; }
    // World position of the top-left corner.
    SDL_Point getPosition() const { return SDL_Point{x, y}; }

private:
    [[maybe_unused]] SDL_Renderer* renderer;  // borrowed
    std::unique_ptr<Sprite> sprite;
    TileMap* tileMap;
    [[maybe_unused]] int facing;
    int x;
    int y;
    int speed;
    bool dead = false;
    float lifetime;
    int damage;
};
