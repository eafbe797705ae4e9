#include "game/characters/Pickup.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "game/characters/Box.h"
#include "game/characters/Player.h"
#include "game/media/AudioManager.h"
#include "game/media/Sprite.h"
#include "game/world/TileMap.h"

namespace {
constexpr int kHealthGain = 20;
constexpr int kChargeGain = 5;
constexpr int kCoinPoints = 100;
}  // namespace

Pickup::Pickup(SDL_Renderer* renderer_, const std::string& path, int x_, int y_, TileMap* tileMap_,
               int kind_, AudioManager* audio_)
    : renderer(renderer_),
      x(x_),
      y(y_),
      sprite(std::make_unique<Sprite>(renderer_, path)),
      tileMap(tileMap_),
      audio(audio_),
      kind(kind_) {}

Pickup::~Pickup() = default;

void Pickup::update(Player* player) {
    const std::int64_t camera = tileMap == nullptr ? 0 : tileMap->getCameraX();
    sprite->draw(static_cast<int>(std::clamp<std::int64_t>(x - camera, INT_MIN, INT_MAX)), y);
    if (player != nullptr) {
        tryCollect(*player);
    }
}

bool Pickup::tryCollect(Player& player) {
    const Box box{x, y, sprite->getWidth(), sprite->getHeight()};
    if (!box.overlaps(player.getBox())) {
        return false;
    }
    const char* sound = nullptr;
    if (kind == kCoin) {
        player.addScore(kCoinPoints);
        sound = AudioManager::kCoinSound;
    } else if (kind == kHealthPack) {
        player.adjustHealth(kHealthGain);
        sound = AudioManager::kHealthPackSound;
    } else if (kind == kAttackCharge) {
        player.addCharges(kChargeGain);
        sound = AudioManager::kAttackChargeSound;
    }
    if (sound != nullptr && audio != nullptr) {
        audio->playSound(sound);
    }
    collected = true;
    return true;
}
