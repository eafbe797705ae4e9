#include "benchmarks/HeadlessLevel.h"

#include "game/media/AudioManager.h"
#include "game/shell/FrameTime.h"
#include "game/world/LevelPlay.h"

namespace {
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr Uint8 kClearShade = 255;
}  // namespace

HeadlessLevel::HeadlessLevel() {
    window = SDL_CreateWindow("benchmark", 0, 0, kWindowWidth, kWindowHeight, 0);
    renderer = SDL_CreateRenderer(window, -1, 0);
    audio = std::make_unique<AudioManager>();
    levelPlay = std::make_unique<LevelPlay>(renderer, keys, nullptr, audio.get(), *this);
}

HeadlessLevel::~HeadlessLevel() {
    levelPlay.reset();
    audio.reset();
    if (renderer != nullptr) {
        SDL_DestroyRenderer(renderer);
    }
    if (window != nullptr) {
        SDL_DestroyWindow(window);
    }
}

void HeadlessLevel::load(const std::string& path) {
    levelPlay->loadLevelFile(path);
}

void HeadlessLevel::holdKey(SDL_Keycode key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    keys.handleKeyEvent(event);
}

void HeadlessLevel::step() {
    deltaTime = kStepSeconds;
    SDL_SetRenderDrawColor(renderer, kClearShade, kClearShade, kClearShade, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(renderer);
    levelPlay->update();
    SDL_RenderPresent(renderer);
}

void HeadlessLevel::showLevelEnd(int /*score*/, float /*seconds*/, int /*outcome*/) {
    ++ends;
}
