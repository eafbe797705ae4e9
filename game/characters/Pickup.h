#pragma once

#include <SDL.h>

#include <memory>
#include <string>

class AudioManager;
class Player;
class Sprite;
class TileMap;

// A collectable standing in one place: a health pack, an attack charge or a coin.
// Touching it gives its effect, plays its sound and marks it collected.
class Pickup {
public:
    static constexpr int kHealthPack = 0;
    static constexpr int kAttackCharge = 1;
    static constexpr int kCoin = 2;

    Pickup(SDL_Renderer* renderer, const std::string& path, int x, int y, TileMap* tileMap,
           int kind, AudioManager* audio);
    ~Pickup();
    Pickup(const Pickup&) = delete;
    Pickup& operator=(const Pickup&) = delete;

    // Draws the pickup (with the camera at 0 without a tile map) and, with a player,
    // tries to be collected.
    void update(Player* player);
    // True when the player touches it now (touching edges count): applies the
    // effect, plays the sound and marks it collected.
    bool tryCollect(Player& player);
    int getKind() const { return kind; }
    bool isCollected() const { return collected; }

private:
    [[maybe_unused]] SDL_Renderer* renderer;  // kept with the other borrowed handles
    int x;
    int y;
    std::unique_ptr<Sprite> sprite;
    TileMap* tileMap;
    AudioManager* audio;
    int kind;
    bool collected = false;
};
