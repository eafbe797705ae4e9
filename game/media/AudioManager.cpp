#include "game/media/AudioManager.h"

namespace {
constexpr int kFrequency = 22050;
constexpr Uint16 kSampleFormat = AUDIO_S16LSB;
constexpr int kStereo = 2;
constexpr int kChunkSize = 1500;
constexpr int kFirstFreeChannel = -1;
constexpr int kPlayOnce = 0;
constexpr int kNoTimeLimit = -1;
constexpr int kLoopForever = -1;
constexpr int kCloseSourceAfterLoading = 1;
}  // namespace

AudioManager::AudioManager() {
    deviceOpen = Mix_OpenAudio(kFrequency, kSampleFormat, kStereo, kChunkSize) == 0;
    music = Mix_LoadMUS(kMusicPath);
    sounds.reserve(kSoundPaths.size());
    for (const char* path : kSoundPaths) {
        SDL_RWops* source = SDL_RWFromFile(path, "rb");
        Mix_Chunk* chunk =
            source != nullptr ? Mix_LoadWAV_RW(source, kCloseSourceAfterLoading) : nullptr;
        sounds.push_back(Sound{path, chunk});
    }
    volume = kMaxVolume;
}

AudioManager::~AudioManager() {
    // Music and chunks are freed while the mixer is still open (freeing halts
    // any channel still playing them); only then is the device closed.
    if (music != nullptr) {
        Mix_FreeMusic(music);
    }
    for (Sound& sound : sounds) {
        if (sound.chunk != nullptr) {
            Mix_FreeChunk(sound.chunk);
        }
    }
    sounds.clear();
    // The mixer counts its opens; only a successful open is balanced here.
    if (deviceOpen) {
        Mix_CloseAudio();
    }
}

void AudioManager::playSound(const std::string& path) {
    for (const Sound& sound : sounds) {
        if (sound.path == path) {
            if (sound.chunk != nullptr) {
                Mix_PlayChannelTimed(kFirstFreeChannel, sound.chunk, kPlayOnce, kNoTimeLimit);
            }
            return;
        }
    }
}

void AudioManager::playMusic() {
    if (music != nullptr) {
        Mix_PlayMusic(music, kLoopForever);
    }
}

void AudioManager::stopMusic() {
    Mix_HaltMusic();
}

void AudioManager::changeVolume(int step) {
    // Widened so that no step can overflow the sum before clamping.
    const long long wanted = static_cast<long long>(volume) + step;
    if (wanted < kMinVolume) {
        volume = kMinVolume;
    } else if (wanted > kMaxVolume) {
        volume = kMaxVolume;
    } else {
        volume = static_cast<int>(wanted);
    }
    for (const Sound& sound : sounds) {
        if (sound.chunk != nullptr) {
            Mix_VolumeChunk(sound.chunk, volume);
        }
    }
    Mix_VolumeMusic(volume);
}
