#include "game/shell/Game.h"

#include <cstdio>

#include "common/FullscreenToggle.h"
#include "common/VideoDriverCheck.h"
#include "game/media/AudioManager.h"
#include "game/menu/Menu.h"
#include "game/shell/EventPump.h"
#include "game/shell/FrameTime.h"
#include "game/shell/KeyState.h"
#include "game/world/LevelEndScreen.h"
#include "game/world/LevelPlay.h"

namespace {
constexpr int kWindowX = 250;
constexpr int kWindowY = 50;
constexpr double kMillisecondsPerSecond = 1000.0;

void waitForOneCharacter() {
    std::printf("Press any key to continue\n");
    std::fflush(stdout);
    std::getchar();
}
}  // namespace

Game::Game(Clock clock_) : clock(clock_) {
    createWindowAndRenderer();
    if (hasDisplay()) {
        fullscreen =
            std::make_unique<FullscreenToggle>(window, renderer, kWindowWidth, kWindowHeight);
    }
    lastReading = clock();
    clockMilliseconds = lastReading;
    lastClockValue = static_cast<int32_t>(lastReading);
    deltaTime = 0.0;
    keyState = std::make_unique<KeyState>();
    audio = std::make_unique<AudioManager>();
    eventPump = std::make_unique<EventPump>(*keyState);
    menu = std::make_unique<Menu>(renderer, *keyState, *this, *audio);
    levelPlay =
        std::make_unique<LevelPlay>(renderer, *keyState, eventPump.get(), audio.get(), *this);
    menu->buildMainMenu();
    nextTickTime = now();
    levelEndScreen.reset();
    finished = false;
    loadBestTimes();
}

Game::~Game() {
    eventPump.reset();
    menu.reset();
    audio.reset();
    levelPlay.reset();
    keyState.reset();
    levelEndScreen.reset();
    fullscreen.reset();
    if (renderer != nullptr) {
        SDL_DestroyRenderer(renderer);
    }
    if (window != nullptr) {
        SDL_DestroyWindow(window);
    }
}

void Game::createWindowAndRenderer() {
    renderer = nullptr;
    if (const char* driver = VideoDriverCheck::invisibleDriver()) {
        std::printf("WINDOW initialisation failed: %s\n", VideoDriverCheck::reason(driver).c_str());
        waitForOneCharacter();
        return;
    }
    window = SDL_CreateWindow("Kestrun 2", kWindowX, kWindowY, kWindowWidth, kWindowHeight, 0);
    if (window == nullptr) {
        std::printf("WINDOW initialisation failed: %s\n", SDL_GetError());
        waitForOneCharacter();
        return;
    }
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (renderer == nullptr) {
        std::printf("RENDERER initialisation failed: %s\n", SDL_GetError());
        waitForOneCharacter();
    }
}

void Game::runFrame() {
    const Uint32 reading = clock();
    // Unsigned subtraction stays right when the 32-bit clock wraps (after 49.7
    // days) and cannot overflow the way a signed one would at 2^31 ms.
    const Uint32 elapsed = reading - static_cast<Uint32>(lastClockValue);
    deltaTime = static_cast<double>(elapsed) / kMillisecondsPerSecond;
    lastClockValue = static_cast<int32_t>(reading);
    while (nextTickTime > now()) {
        present();
    }
    updateActiveScreen();
    nextTickTime += kFrameMilliseconds;
}

double Game::now() {
    const Uint32 reading = clock();
    clockMilliseconds += static_cast<Uint32>(reading - lastReading);
    lastReading = reading;
    return static_cast<double>(clockMilliseconds);
}

void Game::present() {
    SDL_SetRenderDrawColor(renderer, 255, 255, 255, 255);
    SDL_RenderPresent(renderer);
    ++presentCount;
}

void Game::updateActiveScreen() {
    if (SDL_RenderClear(renderer) != 0) {
        std::printf("renderclear stopped wotrking for some reason \n");
        std::printf("%s\n", SDL_GetError());
        std::fflush(stdout);
    }
    if (fullscreen != nullptr) {
        fullscreen->paintBars();
    }
    eventPump->pollEvents();
    if (eventPump->consumeFullscreenRequest() && fullscreen != nullptr) {
        fullscreen->toggle();
    }
    if (state < Playing) {
        menu->update();
    } else if (state == Playing) {
        levelPlay->update();
    } else if (state == LevelEnded && levelEndScreen != nullptr) {
        levelEndScreen->update();
    }
    if (keyState->consumePress(KeyEscape)) {
        if (state == Playing) {
            state = LevelSelect;
            audio->playMusic();
        } else if (state != LevelEnded) {
            finished = true;
        }
    }
}

void Game::startLevel(int32_t index) {
    state = Playing;
    levelPlay->loadLevel(index);
}

void Game::showLevelEnd(int score, float seconds, int outcome) {
    state = LevelEnded;
    levelEndScreen =
        std::make_unique<LevelEndScreen>(renderer, score, seconds, outcome, *keyState, *this);
}

int32_t Game::getBestTime(int32_t index) const {
    if (index < 0 || index >= BestTimeFile::kLevelCount) {
        return -1;
    }
    return bestTimes[index];
}

void Game::saveBestTime(int32_t seconds) {
    const int level = levelPlay->getLevelIndex();
    if (level >= 0 && level < BestTimeFile::kLevelCount && seconds <= bestTimes[level]) {
        bestTimes[level] = seconds;
    }
    BestTimeFile::write(kBestTimesPath, bestTimes);
}

void Game::loadBestTimes() {
    BestTimeFile::read(kBestTimesPath, bestTimes);
}
