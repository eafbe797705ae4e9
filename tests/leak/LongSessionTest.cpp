// A long session through a real Game, headless, with pushed key events and a
// scripted clock: the menus, level 1 fired along for thousands of frames (hundreds
// of bullets made and freed), a death, the end screen, level 2, Escape, quit.
// Built with the sanitizers, LeakSanitizer checks at the process's end that
// nothing the project allocated is left; in every build the resident memory,
// sampled through the run, must stay flat once warmed up.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <iostream>
#include <vector>

#include "game/world/LevelPlay.h"
#include "tests/leak/SessionLevel.h"
#include "tests/reliability/game/GameTour.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/reliability/support/ResidentMemory.h"
#include "tests/reliability/support/Sanitizers.h"
#include "tests/support/ScratchFolder.h"

namespace leaktest {
namespace {

using reliability::AssetTree;
using reliability::GameTour;
using reliability::ResidentMemory;

constexpr int kMenuFrames = 30;
constexpr int kFiringFrames = 4800;
// Frames walking one way along the corridor before turning round.
constexpr int kTurnEvery = 600;
// X goes down on one frame and up on the next: a fresh press every other frame.
constexpr int kFireEvery = 2;
constexpr int kMaxDeathFrames = 1500;
constexpr int kJumpEvery = 20;
constexpr int kEndScreenFrames = 60;
constexpr int kSecondLevelFrames = 400;
// Every sprite, font and sound of the session is loaded by then, and the
// allocator's pools have taken the shape of one bullet's life.
constexpr int kWarmUpFrames = 1200;
constexpr int kSampleEvery = 200;
// Resident memory may move a little with the allocator's bookkeeping, but a leak
// of one text texture per frame (the HUD draws its lines afresh every frame)
// would pass this many times over. Leaks per shot are LeakSanitizer's to find.
constexpr long kFlatBoundKb = 2 * 1024;
constexpr size_t kHundredsOfBullets = 200;
// The sanitizer keeps freed memory in quarantine, so resident memory grows by design.
constexpr bool kMemoryIsMeaningful = !reliability::kUnderAddressSanitizer;

// Runs the session's frames, sampling resident memory every kSampleEvery frames.
class Session {
public:
    explicit Session(GameTour& driven) : tour(driven) {}

    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            const size_t before = bullets();
            tour.frames(1);
            if (bullets() > before) {
                bulletsMade += bullets() - before;
            }
            maxBulletsAlive = std::max(maxBulletsAlive, bullets());
            if (tour.frameCount() % kSampleEvery == 0) {
                samples.push_back({tour.frameCount(), ResidentMemory::currentKb()});
            }
        }
    }

    size_t bullets() { return tour.game().getLevelPlay().getBullets().size(); }

    struct Sample {
        int frame;
        long residentKb;
    };
    GameTour& tour;
    std::vector<Sample> samples;
    size_t bulletsMade = 0;
    size_t maxBulletsAlive = 0;
};

TEST(LongSessionTest, ThousandsOfFramesLeaveNoLeakAndFlatMemory) {
    testsupport::ScratchFolder folder;
    AssetTree::build();
    AssetTree::replace("assets/levels/level1.txt", SessionLevel::text());
    GameTour tour;
    Game& game = tour.game();
    Session session(tour);

    session.frames(kMenuFrames);
    tour.press(SDLK_RETURN);
    tour.press(SDLK_RETURN);
    ASSERT_EQ(game.getState(), Playing);

    // Back and forth along the corridor, firing all the way.
    SDL_Keycode walking = SDLK_RIGHT;
    tour.hold(walking);
    for (int frame = 0; frame < kFiringFrames; ++frame) {
        if (frame > 0 && frame % kTurnEvery == 0) {
            tour.release(walking);
            walking = walking == SDLK_RIGHT ? SDLK_LEFT : SDLK_RIGHT;
            tour.hold(walking);
        }
        if (frame % kFireEvery == 0) {
            tour.hold(SDLK_x);
        } else {
            tour.release(SDLK_x);
        }
        session.frames(1);
    }
    tour.release(SDLK_x);
    tour.release(walking);
    ASSERT_EQ(game.getState(), Playing) << "the player died while firing";
    EXPECT_GE(session.bulletsMade, kHundredsOfBullets);

    // Over the wall to the walking enemies, until the player dies.
    tour.hold(SDLK_RIGHT);
    for (int frame = 0; frame < kMaxDeathFrames && game.getState() == Playing; ++frame) {
        if (frame % kJumpEvery == 0) {
            tour.hold(SDLK_z);
        } else {
            tour.release(SDLK_z);
        }
        session.frames(1);
    }
    tour.release(SDLK_z);
    tour.release(SDLK_RIGHT);
    ASSERT_EQ(game.getState(), LevelEnded);

    session.frames(kEndScreenFrames);
    tour.press(SDLK_RETURN);
    EXPECT_EQ(game.getState(), LevelSelect);
    EXPECT_EQ(game.getBestTime(0), AssetTree::kStoredTime[0]);  // a death files nothing

    tour.press(SDLK_DOWN);
    tour.press(SDLK_RETURN);
    ASSERT_EQ(game.getLevelPlay().getLevelIndex(), 1);
    tour.hold(SDLK_RIGHT);
    for (int frame = 0; frame < kSecondLevelFrames; ++frame) {
        (frame % kFireEvery == 0 ? tour.hold(SDLK_x) : tour.release(SDLK_x));
        session.frames(1);
    }
    tour.release(SDLK_x);
    tour.release(SDLK_RIGHT);
    tour.press(SDLK_ESCAPE);
    EXPECT_EQ(game.getState(), LevelSelect);
    session.frames(kMenuFrames);
    tour.press(SDLK_ESCAPE);
    EXPECT_TRUE(game.isFinished());

    long warm = 0;
    long highest = 0;
    for (const Session::Sample& sample : session.samples) {
        if (sample.frame <= kWarmUpFrames) {
            warm = sample.residentKb;
        } else {
            highest = std::max(highest, sample.residentKb);
        }
    }
    std::cout << "frames " << tour.frameCount() << ", bullets made " << session.bulletsMade
              << ", most alive at once " << session.maxBulletsAlive << "; resident memory " << warm
              << " kB after warm-up, at most " << highest << " kB after it, peak "
              << ResidentMemory::peakKb() << " kB\n";
    ASSERT_GT(warm, 0) << "resident memory cannot be read here";
    if (kMemoryIsMeaningful) {
        EXPECT_LT(highest - warm, kFlatBoundKb);
    }
}

}  // namespace
}  // namespace leaktest
