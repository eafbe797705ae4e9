#include "game/characters/Player.h"

#include <string>

#include "game/characters/Bullet.h"
#include "game/media/AudioManager.h"
#include "game/shell/FrameTime.h"
#include "game/world/Hud.h"
#include "game/world/TileMap.h"

namespace {
constexpr const char* kFramePrefix = "assets/sprites/player/player_anim_run_";
constexpr int kLastFrameNumber = 27;
// There is no run frame with this number.
constexpr int kMissingFrameNumber = 12;
constexpr float kExtraGravity = 0.5f;
constexpr float kTerminalFallSpeed = 8.0f;
constexpr const char* kBulletPath = "assets/sprites/bullet.bmp";
}  // namespace

Player::Player(SDL_Renderer* renderer_, const std::string& firstFramePath, int x_, int y_,
               TileMap* tileMap_, AudioManager* audio_)
    : Character(renderer_, firstFramePath, x_, y_, tileMap_, kPlayerKind),
      playerRenderer(renderer_),
      audio(audio_) {
    for (int number = 2; number <= kLastFrameNumber; ++number) {
        if (number != kMissingFrameNumber) {
            addFrame(kFramePrefix + std::to_string(number) + ".bmp");
        }
    }
    hud = std::make_unique<Hud>(playerRenderer, this);
}

Player::~Player() {
    hud.reset();
}

void Player::update(Player*) {
    applyGravity();
    tickAnimation();
    if (velocityY < kTerminalFallSpeed) {
        velocityY += kExtraGravity;
    }
    fireTimer -= static_cast<float>(deltaTime);
    if (fireTimer < 0.0f) {
        fireTimer = fireCooldown;
        canFire = true;
    }
    hud->update();
    if (tileMap != nullptr) {
        tileMap->updateCamera(x, y);
    }
    if (vulnerable) {
        draw();
        ++drawCount;
    } else {
        ++blinkCounter;
        if (blinkCounter % kBlinkPeriod == 0) {
            draw();
            ++drawCount;
        }
    }
    invulnerableTimer -= static_cast<float>(deltaTime);
    if (!vulnerable && invulnerableTimer <= 0.0f) {
        vulnerable = true;
        blinkCounter = 0;
    }
}

std::unique_ptr<Bullet> Player::fire() {
    if (!canFire || charges < 1) {
        return nullptr;
    }
    canFire = false;
    --charges;
    return std::make_unique<Bullet>(playerRenderer, kBulletPath, x, y, facing, tileMap);
}

void Player::adjustHealth(int delta) {
    if (vulnerable && delta < 0) {
        changeHealth(delta);
        vulnerable = false;
        invulnerableTimer = invulnerableDuration;
        if (audio != nullptr) {
            audio->playSound(AudioManager::kHurtSound);
        }
    } else if (delta > 0) {
        changeHealth(delta);
    }
}

float Player::getTime() const {
    return hud->getTimer();
}
