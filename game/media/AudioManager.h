#pragma once

#include <SDL_mixer.h>

#include <array>
#include <string>
#include <vector>

// One loaded sound effect, named by the asset path it was loaded from. The
// chunk is owned by the AudioManager holding the record; empty if loading failed.
struct Sound {
    std::string path;
    Mix_Chunk* chunk;
};

// Opens the audio device, loads the music track and the nine sound effects,
// plays effects by path, starts and stops the music and keeps the volume
// setting (0 to 100). Missing or damaged files stay empty and play nothing.
class AudioManager {
public:
    static constexpr const char* kMusicPath = "assets/audio/sample.wav";
    static constexpr const char* kCoinSound = "assets/audio/Pickup_Coin.wav";
    static constexpr const char* kJumpSound = "assets/audio/Player_Jump.wav";
    static constexpr const char* kShootSound = "assets/audio/Player_Shoot.wav";
    static constexpr const char* kHurtSound = "assets/audio/Player_Hurt.wav";
    static constexpr const char* kPlayerDeathSound = "assets/audio/Player_Death.wav";
    static constexpr const char* kEnemyDeathSound = "assets/audio/Enemy_Death.wav";
    static constexpr const char* kAttackChargeSound = "assets/audio/Pickup_AttackCharge.wav";
    static constexpr const char* kHealthPackSound = "assets/audio/Pickup_HealthPack.wav";
    static constexpr const char* kMenuNavigateSound = "assets/audio/Menu_Navigate.wav";
    // The effects in load order, which is the order of getSounds().
    static constexpr std::array<const char*, 9> kSoundPaths{
        kCoinSound,         kJumpSound,        kShootSound,
        kHurtSound,         kPlayerDeathSound, kEnemyDeathSound,
        kAttackChargeSound, kHealthPackSound,  kMenuNavigateSound};
    static constexpr int kMinVolume = 0;
    static constexpr int kMaxVolume = 100;

    // Opens the device (SDL's audio subsystem must be usable) and loads every
    // file; the volume setting starts at 100 without being applied to the mixer.
    // A WAV declaring no channels or a rate below 1000 Hz, or an effect that would
    // take more than 64 MB once converted, is not handed to the mixer and stays empty.
    AudioManager();
    // Frees the music and the effects, then closes the device it opened, so a
    // later AudioManager can open it again.
    ~AudioManager();
    AudioManager(const AudioManager&) = delete;
    AudioManager& operator=(const AudioManager&) = delete;

    // Plays the first loaded effect whose path equals path once, on a free
    // channel; an unknown path, an empty effect or no free channel plays nothing.
    void playSound(const std::string& path);
    // Starts the music from its beginning, looping for ever; no music does nothing.
    void playMusic();
    // Halts the music.
    void stopMusic();
    // Adds step to the setting, clamps it to 0..100 and applies it unscaled to
    // every effect and the music (the mixer's full scale is 128).
    void changeVolume(int step);
    // The volume setting, 0 to 100.
    int getVolume() const { return volume; }
    // The effect records in load order, for inspection; the chunks stay owned here.
    const std::vector<Sound>& getSounds() const { return sounds; }

private:
    Mix_Music* music = nullptr;
    std::vector<Sound> sounds;
    int volume = kMaxVolume;
    bool deviceOpen = false;
};
