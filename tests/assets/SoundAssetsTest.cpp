// The committed sounds: 16-bit mono PCM at 22050 Hz, loadable by SDL_mixer as the
// game opens them, audible, unclipped, and silent at both ends so nothing clicks.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tests/assets/AssetCatalogue.h"

namespace {

constexpr int kRate = 22050;
constexpr int kFullScale = 32767;
// A first or last sample this small counts as silence (about -54 dB): a sound
// that starts or stops at a higher level clicks.
constexpr int kEdgeSilence = 64;
constexpr int kAudiblePeak = 2000;

struct Pcm {
    SDL_AudioSpec spec{};
    std::vector<Sint16> samples;
};

Pcm loadPcm(const std::string& path) {
    Pcm pcm;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &pcm.spec, &buffer, &length) == nullptr) {
        return pcm;
    }
    const auto* first = reinterpret_cast<const Sint16*>(buffer);
    pcm.samples.assign(first, first + length / sizeof(Sint16));
    SDL_FreeWAV(buffer);
    return pcm;
}

double seconds(const Pcm& pcm) {
    return static_cast<double>(pcm.samples.size()) / kRate;
}

int peak(const Pcm& pcm) {
    int most = 0;
    for (Sint16 s : pcm.samples) {
        most = std::max(most, std::abs(static_cast<int>(s)));
    }
    return most;
}

// The larger magnitude of the first and the last sample.
int edgeLevel(const Pcm& pcm) {
    return std::max(std::abs(static_cast<int>(pcm.samples.front())),
                    std::abs(static_cast<int>(pcm.samples.back())));
}

std::vector<std::string> allSounds() {
    auto sounds = assettest::soundEffects();
    sounds.push_back(assettest::music());
    return sounds;
}

// The mixer opened the way the game opens it, on the dummy audio driver.
class SoundAssets : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16LSB, 2, 1500), 0) << Mix_GetError();
    }
    void TearDown() override {
        Mix_CloseAudio();
        SDL_Quit();
    }
};

}  // namespace

TEST_F(SoundAssets, EffectsLoadAsChunksUnderBothFolderSpellings) {
    for (const auto& path : assettest::soundEffects()) {
        for (const std::string folder : {"assets/", "Assets/"}) {
            Mix_Chunk* chunk = Mix_LoadWAV((folder + path).c_str());
            EXPECT_NE(chunk, nullptr) << folder << path << ": " << Mix_GetError();
            Mix_FreeChunk(chunk);
        }
    }
}

TEST_F(SoundAssets, MusicLoadsAsAMusicTrack) {
    for (const std::string folder : {"assets/", "Assets/"}) {
        Mix_Music* music = Mix_LoadMUS((folder + assettest::music()).c_str());
        EXPECT_NE(music, nullptr) << folder << ": " << Mix_GetError();
        Mix_FreeMusic(music);
    }
}

TEST(SoundFormat, EverySoundIs16BitMonoAt22050Hz) {
    for (const auto& path : allSounds()) {
        const Pcm pcm = loadPcm("assets/" + path);
        ASSERT_FALSE(pcm.samples.empty()) << path << ": " << SDL_GetError();
        EXPECT_EQ(pcm.spec.freq, kRate) << path;
        EXPECT_EQ(pcm.spec.format, AUDIO_S16LSB) << path;
        EXPECT_EQ(pcm.spec.channels, 1) << path;
    }
}

TEST(SoundFormat, EverySoundIsAudibleUnclippedAndSilentAtBothEnds) {
    for (const auto& path : allSounds()) {
        const Pcm pcm = loadPcm("assets/" + path);
        ASSERT_FALSE(pcm.samples.empty()) << path;
        EXPECT_GE(peak(pcm), kAudiblePeak) << path;
        EXPECT_LT(peak(pcm), kFullScale) << path << " reaches full scale";
        // The music loops: a level at its seam would click on every repeat.
        EXPECT_LE(edgeLevel(pcm), kEdgeSilence) << path;
    }
}

TEST(SoundFormat, EffectsAreShortAndTheMusicLoopIsFifteenToTwentyFiveSeconds) {
    for (const auto& path : assettest::soundEffects()) {
        const double length = seconds(loadPcm("assets/" + path));
        EXPECT_GE(length, 0.05) << path;
        EXPECT_LE(length, 1.5) << path;
    }
    const Pcm music = loadPcm("assets/" + assettest::music());
    EXPECT_GE(seconds(music), 15.0);
    EXPECT_LE(seconds(music), 25.0);
    EXPECT_LT(assettest::readFile("assets/" + assettest::music()).size(), 1500000U);
}
