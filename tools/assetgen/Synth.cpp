#include "tools/assetgen/Synth.h"

#include <algorithm>

#include "tools/assetgen/FixedMath.h"

namespace {

constexpr std::int64_t kFull = 32767;
constexpr std::int64_t kEnvelopeOne = 1 << 15;
constexpr std::int64_t kMilli = 1000;
constexpr std::int64_t kTurn = std::int64_t{1} << 32;
constexpr int kMillisecondsPerSecond = 1000;

// Octave 4 (MIDI 60 to 71, C4 to B4) in millihertz, equal temperament.
constexpr int kOctaveFour[12] = {261626, 277183, 293665, 311127, 329628, 349228,
                                 369994, 391995, 415305, 440000, 466164, 493883};
constexpr int kMidiC4 = 60;
constexpr int kNotesPerOctave = 12;

// Noise: a 15-bit linear-feedback shift register, as simple sound chips use.
constexpr unsigned kNoiseSeed = 1;
constexpr unsigned kNoiseTap = 14;

std::int64_t envelopeAt(const Tone& tone, int t) {
    if (t < tone.attack) {
        return kEnvelopeOne * t / tone.attack;
    }
    if (tone.envelope == Envelope::Hold) {
        const int left = tone.length - t;
        return left < tone.release ? kEnvelopeOne * left / tone.release : kEnvelopeOne;
    }
    // Decay: the square of a straight fall, so it drops quickly and lands softly.
    const std::int64_t span = std::max(1, tone.length - tone.attack);
    const std::int64_t remaining = kEnvelopeOne * (tone.length - t) / span;
    return remaining * remaining / kEnvelopeOne;
}

std::int64_t waveAt(Waveform wave, std::uint32_t phase, int duty, unsigned noise) {
    switch (wave) {
        case Waveform::Square:
            return (phase >> 24) < static_cast<unsigned>(duty) ? kFull : -kFull;
        case Waveform::Triangle: {
            // Starts at zero rising, like a sine.
            const std::int64_t p = (phase + (std::uint32_t{1} << 30)) >> 16;
            return p < 32768 ? 2 * p - kFull : 2 * (65535 - p) - kFull;
        }
        case Waveform::Sawtooth:
            return static_cast<std::int64_t>((phase + (std::uint32_t{1} << 31)) >> 16) - 32768;
        case Waveform::Sine:
            return std::int64_t{fixedmath::sine(phase)} * 2;
        case Waveform::Noise:
            return (noise & 1U) != 0 ? kFull : -kFull;
    }
    return 0;
}

}  // namespace

Synth::Synth(int lengthSamples) : mix_(static_cast<size_t>(lengthSamples), 0) {}

int Synth::ms(int milliseconds) {
    return static_cast<int>(std::int64_t{milliseconds} * kSampleRate / kMillisecondsPerSecond);
}

int Synth::notePitch(int midiNote) {
    const int fromC4 = midiNote - kMidiC4;
    const int octave = (fromC4 >= 0 ? fromC4 : fromC4 - (kNotesPerOctave - 1)) / kNotesPerOctave;
    const int pitch = kOctaveFour[fromC4 - octave * kNotesPerOctave];
    return octave >= 0 ? pitch << octave : pitch >> -octave;
}

void Synth::add(const Tone& tone) {
    const std::int64_t endPitch = tone.endPitch != 0 ? tone.endPitch : tone.startPitch;
    std::uint32_t phase = 0;
    std::uint32_t vibratoPhase = 0;
    unsigned noise = kNoiseSeed;
    for (int t = 0; t < tone.length; ++t) {
        const std::int64_t index = std::int64_t{tone.start} + t;
        if (index < 0 || index >= static_cast<std::int64_t>(mix_.size())) {
            continue;
        }
        const std::int64_t amplitude = tone.level * envelopeAt(tone, t) / kEnvelopeOne;
        const std::int64_t value = waveAt(tone.wave, phase, tone.duty, noise);
        mix_[static_cast<size_t>(index)] += static_cast<std::int32_t>(value * amplitude / kFull);

        std::int64_t pitch = tone.startPitch + (endPitch - tone.startPitch) * t / tone.length;
        if (tone.vibratoDepth != 0) {
            pitch +=
                std::int64_t{tone.vibratoDepth} * fixedmath::sine(vibratoPhase) / fixedmath::kOne;
            vibratoPhase +=
                static_cast<std::uint32_t>(tone.vibratoRate * kTurn / (kSampleRate * kMilli));
        }
        const auto step = static_cast<std::uint32_t>(pitch * kTurn / (kSampleRate * kMilli));
        const std::uint32_t next = phase + step;
        if (next < phase) {
            // A whole period passed: the noise register steps once.
            const unsigned bit = (noise ^ (noise >> 1)) & 1U;
            noise = (noise >> 1) | (bit << kNoiseTap);
        }
        phase = next;
    }
}

std::vector<std::int16_t> Synth::samples() const {
    std::vector<std::int16_t> out(mix_.size());
    std::transform(mix_.begin(), mix_.end(), out.begin(), [](std::int32_t v) {
        return static_cast<std::int16_t>(std::clamp<std::int32_t>(v, -kFull, kFull));
    });
    return out;
}
