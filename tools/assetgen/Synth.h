#pragma once

#include <cstdint>
#include <vector>

// How a tone's loudness moves between its attack and its end.
enum class Envelope {
    Decay,  // falls from full to silence over the whole tone, fast at first
    Hold,   // stays full, then fades to silence over the release
};

enum class Waveform { Square, Triangle, Sawtooth, Sine, Noise };

// One sound event: a waveform whose pitch glides from startPitch to endPitch
// while the envelope shapes it. Every tone starts and ends at silence.
struct Tone {
    Waveform wave = Waveform::Square;
    int start = 0;       // first sample
    int length = 0;      // in samples
    int startPitch = 0;  // millihertz (for noise: how often the noise changes)
    int endPitch = 0;    // millihertz at the end of the tone; 0 means no glide
    int level = 0;       // peak amplitude, out of 32767
    Envelope envelope = Envelope::Decay;
    int attack = 0;        // samples rising from silence
    int release = 0;       // samples fading out, for Hold
    int duty = 128;        // square wave: high part of the period, out of 256
    int vibratoDepth = 0;  // millihertz either side of the pitch
    int vibratoRate = 0;   // millihertz
};

// Mixes tones into one mono 16-bit track, with integer arithmetic only, so the
// same tones always give the same bytes.
class Synth {
public:
    static constexpr int kSampleRate = 22050;

    // A silent track of the given number of samples.
    explicit Synth(int lengthSamples);

    // Samples in the given number of milliseconds (rounded down).
    static int ms(int milliseconds);
    // Pitch of a MIDI note number in millihertz (69 is A4, 440 Hz).
    static int notePitch(int midiNote);

    // Adds a tone to the mix; parts past the end of the track are dropped.
    void add(const Tone& tone);
    // The mix, clamped to the 16-bit range.
    std::vector<std::int16_t> samples() const;

private:
    std::vector<std::int32_t> mix_;
};
