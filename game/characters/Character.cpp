#include "game/characters/Character.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "game/media/Sprite.h"
#include "game/shell/FrameTime.h"
#include "game/world/TileMap.h"

namespace {
// Falling speed in pixels per step above which gravity stops accelerating.
constexpr float kTerminalFallSpeed = 8.0f;
// Speed gained per gravity step.
constexpr float kGravityStep = 0.5f;
constexpr int kStartingHealth = 100;
// Seconds between animation frames.
constexpr float kFrameDuration = 0.03f;
// The one rising offset that never counts as free when bumping a ceiling.
constexpr int kCeilingGap = -1;

// A velocity truncated toward zero to whole pixels, saturated; NaN moves nothing.
int wholePixels(float velocity) {
    constexpr float kIntRange = 2147483648.0f;
    if (std::isnan(velocity)) {
        return 0;
    }
    if (velocity >= kIntRange) {
        return std::numeric_limits<int>::max();
    }
    if (velocity <= -kIntRange) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(velocity);
}
}  // namespace

int Character::shifted(int value, std::int64_t delta) {
    const std::int64_t sum = static_cast<std::int64_t>(value) + delta;
    return static_cast<int>(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

Character::Character(SDL_Renderer* renderer_, const std::string& firstFramePath, int x_, int y_,
                     TileMap* tileMap_, int kind_)
    : x(x_),
      y(y_),
      tileMap(tileMap_),
      renderer(renderer_),
      kind(kind_),
      maxHealth(kStartingHealth),
      health(kStartingHealth),
      frameDuration(kFrameDuration),
      frameTimer(kFrameDuration) {
    addFrame(firstFramePath);
}

Character::~Character() {
    for (Sprite* frame : frames) {
        delete frame;
    }
}

void Character::addFrame(const std::string& path) {
    frames.push_back(new Sprite(renderer, path));
}

Sprite& Character::currentFrame() const {
    if (frameIndex < 0 || frameIndex >= frameCount()) {
        return *frames.front();
    }
    return *frames[frameIndex];
}

int Character::getWidth() const {
    return currentFrame().getWidth();
}

int Character::getHeight() const {
    return currentFrame().getHeight();
}

void Character::setPosition(int newX, int newY) {
    x = newX;
    y = newY;
}

bool Character::wallAt(int px, int py) const {
    return tileMap != nullptr && tileMap->isWall(px, py);
}

bool Character::platformAt(int px, int py) const {
    return tileMap != nullptr && tileMap->isPlatform(px, py);
}

// Without a map nothing is a wall or platform, so the row answer never matters.
bool Character::sameRow(int y1, int y2) const {
    return tileMap == nullptr || tileMap->isSameRow(y1, y2);
}

int Character::cameraX() const {
    return tileMap == nullptr ? 0 : tileMap->getCameraX();
}

bool Character::collidesAt(int px, int py) const {
    const int right = shifted(px, std::int64_t{getWidth()} - 1);
    const int bottom = shifted(py, std::int64_t{getHeight()} - 1);
    return wallAt(px, py) || wallAt(right, bottom) || wallAt(right, py) || wallAt(px, bottom);
}

void Character::move(int dx, int dy) {
    facing = dx > 0 ? 1 : 0;
    if (!collidesAt(shifted(x, dx), shifted(y, dy))) {
        x = shifted(x, dx);
        y = shifted(y, dy);
        advanceAnimation();
        return;
    }
    if (dx == 0) {
        return;
    }
    // Back off toward the old position along x only, keeping the old y.
    const int step = dx > 0 ? -1 : 1;
    for (int i = dx;; i += step) {
        if (!collidesAt(shifted(x, i), y)) {
            x = shifted(x, i);
            advanceAnimation();
            return;
        }
        if (i == 0) {
            return;
        }
    }
}

void Character::applyGravity() {
    if (velocityY < kTerminalFallSpeed) {
        velocityY += kGravityStep;
    }
    const int t = wholePixels(velocityY);
    const int w = getWidth();
    const int right = shifted(x, w);
    const int feet = shifted(y, getHeight());
    const bool onPlatform = platformAt(x, feet) || platformAt(right, feet);
    const bool feetInsideRow = sameRow(feet, shifted(feet, 1));
    const bool feetBelowRowTop = sameRow(shifted(feet, -1), feet);
    const bool settled = onPlatform && feetInsideRow;
    const int fallenFeet = shifted(feet, t);
    const bool platformBlocks = (platformAt(x, fallenFeet) || platformAt(right, fallenFeet)) &&
                                sameRow(fallenFeet, shifted(fallenFeet, 1));

    if (!collidesAt(x, shifted(y, t))) {
        if ((velocityY > 0.0f && !platformBlocks) || velocityY < 0.0f) {
            y = shifted(y, t);
            return;
        }
    }
    if (velocityY > 0.0f) {
        // Landing finishes one pixel per step.
        for (int i = t; i >= 1; --i) {
            if (!collidesAt(x, shifted(y, i)) && (!settled || (onPlatform && feetBelowRowTop))) {
                y = shifted(y, 1);
                break;
            }
        }
        velocityY = 0.0f;
    } else if (velocityY < 0.0f && kind == kPlayerKind) {
        // A ceiling ends the rise and nudges the player one pixel down.
        for (int i = t; i <= -1; ++i) {
            if (!collidesAt(x, shifted(y, i)) && i != kCeilingGap) {
                y = shifted(y, 1);
                advanceAnimation();
                break;
            }
        }
        velocityY = 0.0f;
    }
}

void Character::jump(float speed) {
    const int w = getWidth();
    const int h = getHeight();
    const int below = shifted(y, std::int64_t{h} + 1);
    const bool onWall = wallAt(x, below) || wallAt(shifted(x, std::int64_t{w} - 1), below);
    const bool onPlatform = platformAt(x, below) || platformAt(shifted(x, w), below);
    const int bottom = shifted(y, h);
    const bool aligned = !sameRow(bottom, shifted(bottom, -1));
    const bool headFree = !wallAt(x, shifted(y, -1));
    if ((onWall || onPlatform) && aligned && headFree) {
        velocityY = -speed;
    }
}

bool Character::overlaps(const Character& other) const {
    return getBox().overlaps(other.getBox());
}

void Character::changeHealth(int delta) {
    health = shifted(health, delta);
    if (health <= 0) {
        dead = true;
    } else if (health > maxHealth) {
        health = maxHealth;
    }
}

void Character::advanceAnimation() {
    if (!(frameTimer < 0.0f)) {
        return;
    }
    frameTimer = frameDuration;
    ++frameIndex;
    if (frameIndex >= frameCount() || frameIndex < 0) {
        frameIndex = 0;
    }
}

void Character::tickAnimation() {
    frameTimer = static_cast<float>(frameTimer - deltaTime);
}

void Character::draw() {
    currentFrame().draw(shifted(x, -std::int64_t{cameraX()}), y, facing);
}

void Character::update(Player* /*player*/) {
    tickAnimation();
    draw();
}
