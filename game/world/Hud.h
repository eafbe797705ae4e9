#pragma once

#include <SDL.h>

#include <memory>

class Player;
class Sprite;
class TextRenderer;

// The heads-up display over a level: score, level timer, charges and health bar,
// all fixed on the screen. It also keeps the level timer. Owned by its Player.
class Hud {
public:
    // Size of each formatted text; snprintf cuts any longer text, so no value overflows it.
    static constexpr int kTextBufferSize = 32;

    // Adds the three lines and loads the two bar sprites; player must outlive the Hud.
    Hud(SDL_Renderer* renderer, Player* player);
    ~Hud();
    Hud(const Hud&) = delete;
    Hud& operator=(const Hud&) = delete;

    // Once per player step: advances the timer by deltaTime and draws the HUD.
    void update();
    // Seconds spent in the level.
    float getTimer() const { return timer; }
    // Sets the timer, for tests and tools that start a level part-way.
    void setTimer(float seconds) { timer = seconds; }

private:
    SDL_Renderer* renderer;
    int scoreTextId = 0;
    int chargeTextId = 0;
    int timerTextId = 0;
    std::unique_ptr<TextRenderer> text;
    Player* player;
    std::unique_ptr<Sprite> healthBar;
    std::unique_ptr<Sprite> healthBarBackground;
    float timer = 0.0f;
    // The lines borrow these; they live as long as the Hud.
    char timerText[kTextBufferSize] = {};
    char scoreText[kTextBufferSize] = {};
    char chargeText[kTextBufferSize] = {};
};
