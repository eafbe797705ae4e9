#include "tests/fuzz/LevelPlayFuzzEntry.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>
#include <vector>

#include "game/characters/Player.h"
#include "game/media/AudioManager.h"
#include "game/shell/FrameTime.h"
#include "game/shell/KeyState.h"
#include "game/world/Door.h"
#include "game/world/LevelEndListener.h"
#include "game/world/LevelPlay.h"
#include "game/world/TileMap.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/InRepository.h"

namespace {

constexpr int kSteps = 40;
constexpr double kStepSeconds = 0.016;
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kDied = 0;
constexpr int kCompleted = 1;
// The keys a player uses in a level; each step one input byte holds each down
// (its bit set) or up.
constexpr SDL_Keycode kPlayCodes[] = {SDLK_RIGHT, SDLK_LEFT, SDLK_z, SDLK_x, SDLK_DOWN};

// One window, renderer and audio manager for the whole run.
struct PlayWorld {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    AudioManager* audio = nullptr;
    std::string levelPath;
};

PlayWorld& playWorld() {
    static PlayWorld* world = [] {
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO);
        TTF_Init();
        auto* created = new PlayWorld;
        created->window =
            SDL_CreateWindow("fuzz", 0, 0, kWindowWidth, kWindowHeight, SDL_WINDOW_HIDDEN);
        created->renderer = SDL_CreateRenderer(created->window, -1, SDL_RENDERER_SOFTWARE);
        created->audio = new AudioManager();
        created->levelPath = FuzzInput::scratchFolder() + "/level.txt";
        return created;
    }();
    return *world;
}

// Records every level end.
class EndRecorder : public LevelEndListener {
public:
    void showLevelEnd(int, float, int outcome) override { outcomes.push_back(outcome); }
    std::vector<int> outcomes;
};

// What the cells of a file must give, counted from the bytes by the same rules
// as the level format: rows split at LF with a CR before the LF dropped.
struct Census {
    int players = 0;
    SDL_Point lastPlayer{0, 0};
    int doors = 0;
    SDL_Point lastDoor{0, 0};
    std::size_t enemies = 0;
    std::size_t pickups = 0;
};

Census censusOf(const std::string& bytes) {
    Census census;
    int row = 0;
    int column = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char cell = bytes[i];
        if (cell == '\n') {
            ++row;
            column = 0;
            continue;
        }
        if (cell == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        const SDL_Point at{column * LevelPlay::kCellSize, row * LevelPlay::kCellSize};
        if (cell == 'E') {
            ++census.players;
            census.lastPlayer = at;
        } else if (cell == 'U') {
            ++census.doors;
            census.lastDoor = at;
        } else if (cell == 'D' || cell == 'I') {
            ++census.enemies;
        } else if (cell == 'C' || cell == 'H' || cell == 'A') {
            ++census.pickups;
        }
        ++column;
    }
    return census;
}

void checkSpawned(LevelPlay& level, const Census& census) {
    Player* player = level.getPlayer();
    FuzzInput::require((player != nullptr) == (census.players > 0), "one player when an E");
    if (player != nullptr) {
        FuzzInput::require(player->getPosition().x == census.lastPlayer.x &&
                               player->getPosition().y == census.lastPlayer.y,
                           "the player stands at the last E");
    }
    Door* door = level.getDoor();
    FuzzInput::require((door != nullptr) == (census.doors > 0), "one door when a U");
    if (door != nullptr) {
        FuzzInput::require(door->getPosition().x == census.lastDoor.x &&
                               door->getPosition().y == census.lastDoor.y,
                           "the door stands at the last U");
    }
    FuzzInput::require(level.getEnemies().size() == census.enemies, "one enemy per D or I");
    FuzzInput::require(level.getPickups().size() == census.pickups, "one pickup per C, H or A");
    FuzzInput::require(level.getBullets().empty(), "a fresh level has no bullets");
}

void pressKeys(KeyState& keys, std::uint8_t bits) {
    unsigned bit = 0;
    for (SDL_Keycode code : kPlayCodes) {
        SDL_Event event{};
        event.type = (bits >> bit++) & 1u ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.sym = code;
        keys.handleKeyEvent(event);
    }
}

}  // namespace

int fuzzLevelPlay(const std::uint8_t* data, std::size_t size) {
    const InRepository repository;
    PlayWorld& world = playWorld();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FuzzInput::writeFile(world.levelPath, bytes);
    KeyState keys;
    EndRecorder ends;
    LevelPlay level(world.renderer, keys, nullptr, world.audio, ends);
    level.loadLevelFile(world.levelPath);
    const Census census = censusOf(bytes);
    checkSpawned(level, census);

    FuzzInput input(data, size);
    for (int step = 0; step < kSteps; ++step) {
        pressKeys(keys, input.nextByte());
        const std::size_t enemies = level.getEnemies().size();
        const std::size_t pickups = level.getPickups().size();
        const std::size_t bullets = level.getBullets().size();
        deltaTime = kStepSeconds;
        SDL_RenderClear(world.renderer);
        level.update();
        // As presenting does each frame, so queued draw commands are recycled.
        SDL_RenderFlush(world.renderer);
        FuzzInput::require(level.getEnemies().size() <= enemies, "a step adds no enemy");
        FuzzInput::require(level.getPickups().size() <= pickups, "a step adds no pickup");
        FuzzInput::require(level.getBullets().size() <= bullets + 1, "one shot per step at most");
    }
    for (int outcome : ends.outcomes) {
        FuzzInput::require(outcome == kDied || outcome == kCompleted, "ends are deaths or doors");
    }
    FuzzInput::require(census.players > 0 || ends.outcomes.empty(), "no end without a player");
    return 0;
}
