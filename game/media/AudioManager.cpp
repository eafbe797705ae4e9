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

// SDL_mixer's music reader divides by a WAV's channel count without checking it
// (a damaged header with none stops the game with a division by zero), and a
// sound recorded at a very low rate grows by the rate ratio when the mixer
// converts it to the device's rate (at 1 Hz by 22050 times; music at 1 Hz takes
// most of a gigabyte). No real recording is slower than this rate, and no game
// effect takes more than this size once converted.
constexpr Sint64 kMinSampleRate = 1000;
constexpr Sint64 kMaxConvertedEffectBytes = Sint64{64} * 1024 * 1024;
constexpr Sint64 kNoSizeLimit = -1;
constexpr Uint32 kRiffTag = 0x46464952;    // "RIFF", read little-endian
constexpr Uint32 kWaveTag = 0x45564157;    // "WAVE"
constexpr Uint32 kFormatTag = 0x20746D66;  // "fmt "
// "RIFF", the file's length, then "WAVE".
constexpr Sint64 kWaveTagOffset = 8;
// Chunks examined before giving up on finding the format.
constexpr int kMaxChunks = 64;
// Bits of one stored sample as the mixer reads them: 4 for ADPCM, up to 32 for
// PCM and float. A header outside that range is taken at the densest, so the
// estimate never falls below the real size. Each converted frame is 16-bit stereo.
constexpr double kMinBitsPerSample = 4;
constexpr double kMaxBitsPerSample = 32;
constexpr double kBitsPerByte = 8;
constexpr double kDeviceFrameBytes = 4;

// False for a WAV file whose format declares no channels or a rate below
// kMinSampleRate, or (with a size limit) whose samples would exceed maxBytes once
// converted. Files that are missing, not WAV files or without a format chunk are
// left to the mixer.
bool plausibleWave(const char* path, Sint64 maxBytes) {
    SDL_RWops* source = SDL_RWFromFile(path, "rb");
    if (source == nullptr) {
        return true;
    }
    const Sint64 size = SDL_RWsize(source);
    const bool wave = SDL_ReadLE32(source) == kRiffTag &&
                      SDL_RWseek(source, kWaveTagOffset, RW_SEEK_SET) == kWaveTagOffset &&
                      SDL_ReadLE32(source) == kWaveTag;
    bool plausible = true;
    // Past the end every read gives 0, so a file without a format chunk ends the
    // walk after kMaxChunks empty steps.
    for (int i = 0; wave && i < kMaxChunks; ++i) {
        const Uint32 id = SDL_ReadLE32(source);
        const Uint32 length = SDL_ReadLE32(source);
        if (id == kFormatTag) {
            SDL_ReadLE16(source);  // the encoding, which the mixer checks itself
            const Sint64 channels = SDL_ReadLE16(source);
            const Sint64 rate = SDL_ReadLE32(source);
            SDL_ReadLE32(source);  // bytes per second
            SDL_ReadLE16(source);  // block alignment
            double bits = SDL_ReadLE16(source);
            if (bits < kMinBitsPerSample || bits > kMaxBitsPerSample) {
                bits = kMinBitsPerSample;
            }
            plausible = channels > 0 && rate >= kMinSampleRate;
            if (plausible && maxBytes >= 0) {
                // The whole file taken as samples: frames stored, then frames at the
                // device's rate. In floating point, so that no header can overflow it.
                const double frames = static_cast<double>(size) * kBitsPerByte /
                                      (bits * static_cast<double>(channels));
                const double converted =
                    frames * kFrequency / static_cast<double>(rate) * kDeviceFrameBytes;
                plausible = converted <= static_cast<double>(maxBytes);
            }
            break;
        }
        // Chunks are padded to an even length.
        if (SDL_RWseek(source, Sint64{length} + (length & 1u), RW_SEEK_CUR) < 0) {
            break;
        }
    }
    SDL_RWclose(source);
    return plausible;
}
}  // namespace

AudioManager::AudioManager() {
    deviceOpen = Mix_OpenAudio(kFrequency, kSampleFormat, kStereo, kChunkSize) == 0;
    music = plausibleWave(kMusicPath, kNoSizeLimit) ? Mix_LoadMUS(kMusicPath) : nullptr;
    sounds.reserve(kSoundPaths.size());
    for (const char* path : kSoundPaths) {
        SDL_RWops* source =
            plausibleWave(path, kMaxConvertedEffectBytes) ? SDL_RWFromFile(path, "rb") : nullptr;
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
