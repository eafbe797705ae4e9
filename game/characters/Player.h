#pragma once

#include <memory>

#include "game/characters/Character.h"

class AudioManager;
class Bullet;
class Hud;

// The character the user steers: a 26-frame run, doubled gravity, a fire
// permission every 0.2 s with a stock of charges, 0.5 s of blinking protection
// after a hit, a score, and its own HUD.
class Player : public Character {
public:
    static constexpr float kFireCooldown = 0.2f;
    static constexpr float kProtection = 0.5f;
    static constexpr int kStartCharges = 5;
    // While protected the player is drawn on one update in this many.
    static constexpr int kBlinkPeriod = 8;

    // Loads the 26 run frames (firstFramePath, then 2..11 and 13..27) and creates the HUD.
    Player(SDL_Renderer* renderer, const std::string& firstFramePath, int x, int y,
           TileMap* tileMap, AudioManager* audio);
    // Deletes the HUD, then the frames.
    ~Player() override;

    // One step: gravity (doubled), fire permission, HUD, camera, blinking draw,
    // protection. The argument is ignored.
    void update(Player* player) override;
    // A new bullet at the player's top-left along its facing, owned by the caller;
    // null without permission or charges (a refused shot costs nothing).
    std::unique_ptr<Bullet> fire();
    // Damage only while vulnerable (then 0.5 s protection and the hurt sound);
    // healing always.
    void adjustHealth(int delta);
    // Add to the score and the charges, saturating at the int range.
    void addScore(int points) { score = shifted(score, points); }
    void addCharges(int count) { charges = shifted(charges, count); }
    int getScore() const { return score; }
    int getCharges() const { return charges; }
    // The HUD's level timer in seconds.
    float getTime() const;
    // The HUD, for tests and tools.
    Hud& getHud() { return *hud; }
    bool isVulnerable() const { return vulnerable; }
    bool canFireNow() const { return canFire; }
    // How many times the player has been drawn; tests count blinks with it.
    int getDrawCount() const { return drawCount; }

private:
    SDL_Renderer* playerRenderer;
    float fireTimer = kFireCooldown;
    float fireCooldown = kFireCooldown;
    bool canFire = false;
    int score = 0;
    int charges = kStartCharges;
    float invulnerableTimer = kProtection;
    float invulnerableDuration = kProtection;
    bool vulnerable = true;
    int blinkCounter = 0;
    std::unique_ptr<Hud> hud;
    AudioManager* audio;
    int drawCount = 0;
};
