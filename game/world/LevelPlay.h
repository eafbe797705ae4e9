#pragma once

#include <SDL.h>

#include <array>
#include <memory>
#include <vector>

#include "game/world/LevelEndListener.h"

class AudioManager;
class Bullet;
class Character;
class Door;
class EventPump;
class KeyState;
class Pickup;
class Player;
class TileMap;

// The level being played: owns its tile map and every object of the level,
// turns the keys into player actions, and drives every entity once per step
// in a fixed order (tiles, player with HUD, door, enemies, pickups, bullets).
class LevelPlay {
public:
    static constexpr int kLevelCount = 3;
    static constexpr int kCellSize = 32;
    static constexpr int kPlayerSpeed = 3;
    static constexpr float kJumpSpeed = 17.0f;
    static constexpr int kDied = 0;

    // The game (the Game in the program, a recorder in tests) is told when a
    // level ends. eventPump is kept but not used; audio may be null (silent).
    LevelPlay(SDL_Renderer* renderer, KeyState& keyState, EventPump* eventPump, AudioManager* audio,
              LevelEndListener& game);
    // Destroys the player, the map, the door, every enemy, pickup and bullet.
    ~LevelPlay();
    LevelPlay(const LevelPlay&) = delete;
    LevelPlay& operator=(const LevelPlay&) = delete;

    // Clears the level (bullets carry over), loads level index 0..2 (other
    // indices keep the map), spawns the entities from the map and places the
    // camera on the player (at the left edge without one).
    void loadLevel(int index);
    // Loads any level file instead of a numbered one; levelIndex is unchanged.
    void loadLevelFile(const std::string& path);
    // One step: moves and draws everything.
    void update();
    // Passes the end of the level on to the Game (or listener).
    void reportLevelEnd(int score, float seconds, int outcome);
    int getLevelIndex() const { return levelIndex; }

    // Read access for tests, tools and benchmarks.
    Player* getPlayer() { return player.get(); }
    Door* getDoor() { return door.get(); }
    TileMap& getTileMap() { return *tileMap; }
    const std::vector<std::unique_ptr<Character>>& getEnemies() const { return enemies; }
    const std::vector<std::unique_ptr<Pickup>>& getPickups() const { return pickups; }
    const std::vector<std::unique_ptr<Bullet>>& getBullets() const { return bullets; }

private:
    void clearLevel();
    void spawnEntities();
    void updatePlayer();
    void updateEnemies();
    void updatePickups();
    void updateBullets();
    void playSound(const char* path);

    SDL_Renderer* renderer;
    KeyState& keyState;
    [[maybe_unused]] EventPump* eventPump;  // handed over by the Game; not used here
    AudioManager* audio;
    std::unique_ptr<TileMap> tileMap;
    int levelIndex = 0;
    std::vector<std::unique_ptr<Character>> enemies;
    std::vector<std::unique_ptr<Pickup>> pickups;
    std::vector<std::unique_ptr<Bullet>> bullets;
    std::unique_ptr<Player> player;
    int speed = kPlayerSpeed;
    LevelEndListener& game;
    std::unique_ptr<Door> door;
};
