#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <cstdint>
#include <string>

#include "game/media/AudioManager.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/ScratchFolder.h"

using testsupport::HeadlessWindow;
using testsupport::ScratchFolder;

namespace {

constexpr int kRate = 22050;
constexpr int kChannels = 2;
constexpr int kBytesPerSample = 2;
constexpr int kMixerFullScale = 128;

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A 16-bit stereo PCM WAV file of a quiet square wave lasting milliseconds.
std::string wavFile(int milliseconds, int rate = kRate) {
    const auto frames = static_cast<std::uint32_t>(std::uint64_t{static_cast<std::uint32_t>(rate)} *
                                                   static_cast<std::uint32_t>(milliseconds) / 1000);
    const std::uint32_t dataSize = frames * kChannels * kBytesPerSample;
    std::string out = "RIFF";
    appendLittleEndian(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    appendLittleEndian(out, 16, 4);  // format chunk size
    appendLittleEndian(out, 1, 2);   // PCM
    appendLittleEndian(out, kChannels, 2);
    appendLittleEndian(out, static_cast<std::uint32_t>(rate), 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(rate * kChannels * kBytesPerSample), 4);
    appendLittleEndian(out, kChannels * kBytesPerSample, 2);
    appendLittleEndian(out, 8 * kBytesPerSample, 2);
    out += "data";
    appendLittleEndian(out, dataSize, 4);
    for (std::uint32_t i = 0; i < frames * kChannels; ++i) {
        const std::uint16_t sample = (i / 100) % 2 == 0 ? 2000 : static_cast<std::uint16_t>(-2000);
        appendLittleEndian(out, sample, 2);
    }
    return out;
}

// Writes the music track and every effect with the same contents.
void writeAudio(const ScratchFolder& folder, const std::string& contents) {
    folder.writeFile(AudioManager::kMusicPath, contents);
    for (const char* path : AudioManager::kSoundPaths) {
        folder.writeFile(path, contents);
    }
}

// Waits up to five seconds of real time for the mixer's channels to fall silent.
bool channelsFallSilent() {
    for (int waited = 0; waited < 5000 && Mix_Playing(-1) > 0; waited += 10) {
        SDL_Delay(10);
    }
    return Mix_Playing(-1) == 0;
}

class AudioManagerTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    HeadlessWindow window;
};

TEST_F(AudioManagerTest, LoadsEveryEffectInOrderAtTheMixersFullVolume) {
    writeAudio(folder, wavFile(100));
    AudioManager audio;
    EXPECT_EQ(audio.getVolume(), 100);
    ASSERT_EQ(audio.getSounds().size(), AudioManager::kSoundPaths.size());
    for (size_t i = 0; i < AudioManager::kSoundPaths.size(); ++i) {
        const Sound& sound = audio.getSounds()[i];
        EXPECT_EQ(sound.path, AudioManager::kSoundPaths[i]);
        ASSERT_NE(sound.chunk, nullptr) << sound.path;
        EXPECT_EQ(Mix_VolumeChunk(sound.chunk, -1), kMixerFullScale) << sound.path;
    }
    EXPECT_EQ(Mix_VolumeMusic(-1), kMixerFullScale);
}

TEST_F(AudioManagerTest, VolumeClampsAndReachesEveryChunkAndTheMusic) {
    writeAudio(folder, wavFile(100));
    AudioManager audio;
    auto expectMixerAt = [&audio](int volume) {
        EXPECT_EQ(audio.getVolume(), volume);
        for (const Sound& sound : audio.getSounds()) {
            EXPECT_EQ(Mix_VolumeChunk(sound.chunk, -1), volume) << sound.path;
        }
        EXPECT_EQ(Mix_VolumeMusic(-1), volume);
    };
    audio.changeVolume(+1);
    expectMixerAt(100);
    audio.changeVolume(-1);
    expectMixerAt(99);
    for (int i = 0; i < 99; ++i) {
        audio.changeVolume(-1);
    }
    expectMixerAt(0);
    audio.changeVolume(-1);
    expectMixerAt(0);
    audio.changeVolume(+1);
    expectMixerAt(1);
    audio.changeVolume(INT32_MAX);
    expectMixerAt(100);
    audio.changeVolume(INT32_MIN);
    expectMixerAt(0);
}

TEST_F(AudioManagerTest, EachPlayTakesAFreeChannelAndUnknownPathsPlayNothing) {
    writeAudio(folder, wavFile(3000));
    AudioManager audio;
    audio.playSound(AudioManager::kJumpSound);
    EXPECT_EQ(Mix_Playing(-1), 1);
    audio.playSound(AudioManager::kJumpSound);
    EXPECT_EQ(Mix_Playing(-1), 2);

    Mix_HaltChannel(-1);
    audio.playSound("assets/audio/Nothing.wav");
    audio.playSound("Assets/audio/Player_Jump.wav");
    audio.playSound("");
    EXPECT_EQ(Mix_Playing(-1), 0);
    // The manager is destroyed with a channel still playing.
    audio.playSound(AudioManager::kMenuNavigateSound);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(AudioManagerTest, MusicLoopsUntilStopped) {
    writeAudio(folder, wavFile(100));
    AudioManager audio;
    audio.playMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    // Longer than the track: looping keeps it playing.
    SDL_Delay(300);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    audio.stopMusic();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(AudioManagerTest, ALaterManagerReopensTheDevice) {
    // Long enough to be still playing when checked on a busy machine.
    writeAudio(folder, wavFile(600));
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    {
        AudioManager first;
        EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
    }
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 0);

    AudioManager second;
    ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
    EXPECT_EQ(frequency, kRate);
    EXPECT_EQ(format, AUDIO_S16LSB);
    EXPECT_EQ(channels, kChannels);
    // A short sound only finishes when the device is really mixing.
    second.playSound(AudioManager::kCoinSound);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(channelsFallSilent());
}

TEST_F(AudioManagerTest, ALongCdQualityEffectLoadsWhateverItsFileSize) {
    // 191 s at 44.1 kHz: a 33.7 MB file, half that once converted to the device's rate.
    constexpr int kLongMilliseconds = 191000;
    constexpr int kCdRate = 44100;
    folder.writeFile(AudioManager::kCoinSound, wavFile(kLongMilliseconds, kCdRate));
    AudioManager audio;
    const Mix_Chunk* chunk = audio.getSounds()[0].chunk;
    ASSERT_NE(chunk, nullptr);
    const std::uint64_t convertedFrames = std::uint64_t{kRate} * kLongMilliseconds / 1000;
    EXPECT_NEAR(chunk->alen, convertedFrames * kChannels * kBytesPerSample, kRate);
}

TEST_F(AudioManagerTest, MissingFilesLeaveEverythingSilent) {
    AudioManager audio;
    ASSERT_EQ(audio.getSounds().size(), AudioManager::kSoundPaths.size());
    for (const Sound& sound : audio.getSounds()) {
        EXPECT_EQ(sound.chunk, nullptr) << sound.path;
        audio.playSound(sound.path);
    }
    audio.playMusic();
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    audio.changeVolume(-1);
    EXPECT_EQ(audio.getVolume(), 99);
    EXPECT_EQ(Mix_VolumeMusic(-1), 99);
    audio.stopMusic();
}

TEST_F(AudioManagerTest, DamagedFilesLeaveEverythingSilent) {
    const std::string truncatedHeader = wavFile(100).substr(0, 20);
    const std::string damaged[] = {"", "this is not a sound at all", truncatedHeader};
    for (const std::string& contents : damaged) {
        writeAudio(folder, contents);
        AudioManager audio;
        for (const Sound& sound : audio.getSounds()) {
            EXPECT_EQ(sound.chunk, nullptr)
                << sound.path << " from " << contents.size() << " bytes";
            audio.playSound(sound.path);
        }
        audio.playMusic();
        EXPECT_EQ(Mix_Playing(-1), 0);
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
}

}  // namespace
