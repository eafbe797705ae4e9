#pragma once

#include <SDL.h>

#include <memory>
#include <string>

class LevelPlay;
class Player;
class Sprite;
class TileMap;

// The level's exit, made from a 'U' cell. A player with a score of at least 800
// that touches it completes the level. The door does not block by itself: its
// cell is a wall for movement.
class Door {
public:
    static constexpr int kRequiredScore = 800;

    Door(SDL_Renderer* renderer, const std::string& path, int x, int y, LevelPlay* levelPlay,
         TileMap* tileMap);
    ~Door();
    Door(const Door&) = delete;
    Door& operator=(const Door&) = delete;

    // Draws the door and reports completion when the player goes through it;
    // player may be null.
    void update(Player* player);
    // Whether the door's box and the player's overlap, touching edges included; a
    // door without a picture counts as its whole cell.
    bool overlaps(const Player& player) const;
    SDL_Point getPosition() const { return SDL_Point{x, y}; }

private:
    [[maybe_unused]] SDL_Renderer* renderer;  // kept with the other borrowed handles
    std::unique_ptr<Sprite> sprite;
    int x;
    int y;
    LevelPlay* levelPlay;
    TileMap* tileMap;
};
