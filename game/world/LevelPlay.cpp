#include "game/world/LevelPlay.h"

#include <climits>

#include "game/characters/BirdEnemy.h"
#include "game/characters/Bullet.h"
#include "game/characters/DumbEnemy.h"
#include "game/characters/Pickup.h"
#include "game/characters/Player.h"
#include "game/media/AudioManager.h"
#include "game/shell/KeyState.h"
#include "game/world/Door.h"
#include "game/world/TileMap.h"

namespace {
constexpr const char* kLevelFiles[LevelPlay::kLevelCount] = {
    "assets/levels/level1.txt",
    "assets/levels/level2.txt",
    "assets/levels/level3.txt",
};
constexpr const char* kPlayerFrame = "assets/sprites/player/player_anim_run_1.bmp";
constexpr const char* kWalkingFrame = "assets/sprites/dumbenemy/dumb_anim_1.bmp";
constexpr const char* kFlyingFrame = "assets/sprites/birdenemy/bird_anim_1.bmp";
constexpr const char* kHealthPackBitmap = "assets/sprites/healthPack.bmp";
constexpr const char* kAttackChargeBitmap = "assets/sprites/attackCharge.bmp";
constexpr const char* kCoinBitmap = "assets/sprites/coin.bmp";
constexpr const char* kDoorBitmap = "assets/tiles/doorTile.bmp";
constexpr int kStepDown = 1;
// Cells beyond this index would place an entity outside the int range of world pixels.
constexpr size_t kMaxCellIndex = static_cast<size_t>(INT_MAX / LevelPlay::kCellSize);

// Removes every entry marked for removal; the order of the rest is kept.
template <typename T>
void removeMarked(std::vector<std::unique_ptr<T>>& list, std::vector<bool>& marked) {
    size_t kept = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (!marked[i]) {
            list[kept++] = std::move(list[i]);
        }
    }
    list.resize(kept);
}
}  // namespace

LevelPlay::LevelPlay(SDL_Renderer* renderer_, KeyState& keyState_, EventPump* eventPump_,
                     AudioManager* audio_, LevelEndListener& game_)
    : renderer(renderer_),
      keyState(keyState_),
      eventPump(eventPump_),
      audio(audio_),
      tileMap(std::make_unique<TileMap>(renderer_, "", kCellSize, kCellSize)),
      game(game_) {}

LevelPlay::~LevelPlay() {
    player.reset();
    tileMap.reset();
    door.reset();
    enemies.clear();
    pickups.clear();
    bullets.clear();
}

void LevelPlay::clearLevel() {
    player.reset();
    door.reset();
    enemies.clear();
    pickups.clear();
}

void LevelPlay::loadLevel(int index) {
    clearLevel();
    if (index >= 0 && index < kLevelCount) {
        tileMap->load(kLevelFiles[index]);
        levelIndex = index;
    }
    spawnEntities();
}

void LevelPlay::loadLevelFile(const std::string& path) {
    clearLevel();
    tileMap->load(path);
    spawnEntities();
}

void LevelPlay::spawnEntities() {
    const std::vector<std::string> rows = tileMap->getRows();
    TileMap* map = tileMap.get();
    for (size_t r = 0; r < rows.size() && r <= kMaxCellIndex; ++r) {
        for (size_t k = 0; k < rows[r].size() && k <= kMaxCellIndex; ++k) {
            const int x = static_cast<int>(k) * kCellSize;
            const int y = static_cast<int>(r) * kCellSize;
            switch (rows[r][k]) {
                case 'E':
                    player = std::make_unique<Player>(renderer, kPlayerFrame, x, y, map, audio);
                    break;
                case 'D':
                    enemies.push_back(
                        std::make_unique<DumbEnemy>(renderer, kWalkingFrame, x, y, map));
                    break;
                case 'I':
                    enemies.push_back(
                        std::make_unique<BirdEnemy>(renderer, kFlyingFrame, x, y, map));
                    break;
                case 'H':
                    pickups.push_back(std::make_unique<Pickup>(renderer, kHealthPackBitmap, x, y,
                                                               map, Pickup::kHealthPack, audio));
                    break;
                case 'A':
                    pickups.push_back(std::make_unique<Pickup>(renderer, kAttackChargeBitmap, x, y,
                                                               map, Pickup::kAttackCharge, audio));
                    break;
                case 'C':
                    pickups.push_back(std::make_unique<Pickup>(renderer, kCoinBitmap, x, y, map,
                                                               Pickup::kCoin, audio));
                    break;
                case 'U':
                    door = std::make_unique<Door>(renderer, kDoorBitmap, x, y, this, map);
                    break;
                default:
                    break;
            }
        }
    }
    // The camera is left from the previous level until the player first moves it:
    // place it now, so the first frame draws tiles and objects through one camera.
    tileMap->showAtStart(player != nullptr ? player->getPosition().x : 0);
}

void LevelPlay::update() {
    tileMap->render();
    if (player != nullptr) {
        updatePlayer();
    }
    if (door != nullptr) {
        door->update(player.get());
    }
    updateEnemies();
    updatePickups();
    updateBullets();
}

void LevelPlay::updatePlayer() {
    if (keyState.isDown(KeyRight)) {
        player->move(speed, 0);
    }
    if (keyState.isDown(KeyLeft)) {
        player->move(-speed, 0);
    }
    if (keyState.consumePress(KeyZ)) {
        playSound(AudioManager::kJumpSound);
        player->jump(kJumpSpeed);
    }
    if (keyState.consumePress(KeyX)) {
        std::unique_ptr<Bullet> bullet = player->fire();
        if (bullet != nullptr) {
            playSound(AudioManager::kShootSound);
            bullets.push_back(std::move(bullet));
        }
    }
    if (keyState.consumePress(KeyDown)) {
        player->move(0, kStepDown);
    }
    player->update(nullptr);
    if (player->isDead()) {
        playSound(AudioManager::kPlayerDeathSound);
        reportLevelEnd(player->getScore(), player->getTime(), kDied);
    }
}

void LevelPlay::updateEnemies() {
    // Every enemy in the list at the start of the step is updated exactly once;
    // the dead are removed together afterwards, so none is skipped.
    std::vector<bool> dead(enemies.size(), false);
    for (size_t i = 0; i < enemies.size(); ++i) {
        enemies[i]->update(player.get());
        if (enemies[i]->isDead()) {
            dead[i] = true;
            playSound(AudioManager::kEnemyDeathSound);
        }
    }
    removeMarked(enemies, dead);
}

void LevelPlay::updatePickups() {
    std::vector<bool> collected(pickups.size(), false);
    for (size_t i = 0; i < pickups.size(); ++i) {
        pickups[i]->update(player.get());
        collected[i] = pickups[i]->isCollected();
    }
    removeMarked(pickups, collected);
}

void LevelPlay::updateBullets() {
    std::vector<bool> spent(bullets.size(), false);
    for (size_t i = 0; i < bullets.size(); ++i) {
        bullets[i]->update();
        std::vector<Character*> targets;
        targets.reserve(enemies.size());
        for (const auto& enemy : enemies) {
            targets.push_back(enemy.get());
        }
        bullets[i]->hitEnemies(targets);
        spent[i] = bullets[i]->isDead();
    }
    removeMarked(bullets, spent);
}

void LevelPlay::reportLevelEnd(int score, float seconds, int outcome) {
    game.showLevelEnd(score, seconds, outcome);
}

void LevelPlay::playSound(const char* path) {
    if (audio != nullptr) {
        audio->playSound(path);
    }
}
