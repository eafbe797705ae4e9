#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/characters/Box.h"

class Player;
class Sprite;
class TileMap;

// The base of everything in a level that moves, animates and has health: the
// player and both enemy kinds. Holds the box (top-left corner at x, y; the size
// of the current frame), the animation, the vertical velocity, the facing and the
// health, and moves the box against the tile map's walls and one-way platforms.
//
// Positions are world pixels. Sums that would leave the int range saturate at its
// ends, so absurd coordinates never overflow, and a velocity truncates to whole
// pixels the same way (NaN moves nothing). A blocked move or fall costs one box
// test per pixel tried. A null tile map is open space with the camera at 0, in
// which a flying enemy finds no path and so stays where it is.
class Character {
public:
    // What a character is (the kind field).
    static constexpr int kFlyingEnemy = 0;
    static constexpr int kPlayerKind = 1;
    static constexpr int kWalkingEnemy = 2;

    // Loads the first frame from firstFramePath; renderer and tileMap are borrowed.
    Character(SDL_Renderer* renderer, const std::string& firstFramePath, int x, int y,
              TileMap* tileMap, int kind);
    // Deletes every frame.
    virtual ~Character();
    Character(const Character&) = delete;
    Character& operator=(const Character&) = delete;

    // Moves by (dx, dy); when blocked, backs off horizontally to the last free pixel
    // and drops dy. Faces right only when dx > 0.
    virtual void move(int dx, int dy);
    // One level step: the base ticks the animation and draws; player is ignored.
    virtual void update(Player* player);

    // Loads a frame from path and appends it to the animation.
    void addFrame(const std::string& path);
    // The vertical step: gravity, landing on walls and platforms from above,
    // stopping at ceilings. Called once per step by walking characters.
    void applyGravity();
    // Starts a jump at -speed when standing exactly on a wall or platform cell
    // boundary with a free head; otherwise does nothing.
    void jump(float speed);
    // Whether the current box with its top-left corner at (px, py) has a corner in a
    // wall cell. Platforms never count.
    bool collidesAt(int px, int py) const;
    // Whether the two boxes overlap, touching edges included (Box::overlaps).
    bool overlaps(const Character& other) const;
    // Adds delta to health; at 0 or below the character is dead for good, otherwise
    // health is capped at maxHealth.
    void changeHealth(int delta);
    // Shows the next frame (wrapping) when the frame timer has run out.
    void advanceAnimation();
    // Counts the frame timer down by deltaTime.
    void tickAnimation();
    // Draws the current frame at (x - camera x, y), mirrored when facing left.
    void draw();

    // World position of the box's top-left corner.
    SDL_Point getPosition() const { return SDL_Point{x, y}; }
    // The box: the position and the current frame's size.
    Box getBox() const { return Box{x, y, getWidth(), getHeight()}; }
    // Width of the current frame, the box's width.
    int getWidth() const;
    // Height of the current frame, the box's height.
    int getHeight() const;
    // Current health; may be negative once dead.
    int getHealth() const { return health; }
    // Whether health has ever dropped to 0 or below.
    bool isDead() const { return dead; }

    // Vertical speed in pixels per step, positive downward.
    float getVelocityY() const { return velocityY; }
    // Sets the vertical speed; for tests and tools.
    void setVelocityY(float velocity) { velocityY = velocity; }
    // 1 facing right, 0 facing left.
    int getFacing() const { return facing; }
    // Places the box without any collision test; for tests and tools.
    void setPosition(int newX, int newY);
    // Index of the frame shown.
    int getFrameIndex() const { return frameIndex; }
    // Number of animation frames.
    int frameCount() const { return static_cast<int>(frames.size()); }
    // kFlyingEnemy, kPlayerKind or kWalkingEnemy.
    int getKind() const { return kind; }

protected:
    // value + delta, saturated to the int range.
    static int shifted(int value, std::int64_t delta);
    // Map queries that treat a missing tile map as open space.
    bool wallAt(int px, int py) const;
    bool platformAt(int px, int py) const;
    bool sameRow(int y1, int y2) const;
    int cameraX() const;
    // The frame whose size is the box and which draw shows.
    Sprite& currentFrame() const;

    int x;
    int y;
    TileMap* tileMap;
    float velocityY = 0.0f;
    int facing = 1;
    std::vector<Sprite*> frames;  // owned
    SDL_Renderer* renderer;
    int kind;
    bool dead = false;
    int maxHealth;
    int health;
    int frameIndex = 0;
    float frameDuration;
    float frameTimer;
};
