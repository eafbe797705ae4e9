#include "tools/assetgen/MusicTrack.h"

#include <sstream>
#include <stdexcept>

#include "tools/assetgen/Synth.h"

namespace {

constexpr int kRest = -1;

// The lead, one string per bar. Chords: Em C G D | Em C G D | Am C D B7; the
// closing D#5 leads back into the E5 that opens the loop.
// clang-format off
const char* const kMelody[] = {
    "E5:4 B4:2 E5:2 G5:4 F#5:2 E5:2",
    "G5:4 E5:2 C5:2 E5:4 G5:2 A5:2",
    "B5:4 A5:2 G5:2 D5:4 G5:2 B5:2",
    "A5:6 F#5:2 D5:4 r:4",

    "E5:4 B4:2 E5:2 G5:4 A5:2 B5:2",
    "C6:4 B5:2 A5:2 G5:4 E5:2 G5:2",
    "D6:4 B5:2 G5:2 B5:4 A5:2 G5:2",
    "F#5:8 r:4 D5:2 F#5:2",

    "A5:3 C6:3 E6:2 D6:4 C6:2 B5:2",
    "C6:3 G5:3 E5:2 G5:4 C6:2 E6:2",
    "D6:4 C6:2 B5:2 A5:4 F#5:2 A5:2",
    "B5:6 A5:2 G5:2 F#5:2 D#5:4",
};

// The bass: each bar bounces between the chord's root and the octave above,
// touching the fifth once.
const char* const kBass[] = {
    "E2:2 E3:2 E2:2 E3:2 B2:2 E3:2 E2:2 E3:2",
    "C2:2 C3:2 C2:2 C3:2 G2:2 C3:2 C2:2 C3:2",
    "G2:2 G3:2 G2:2 G3:2 D3:2 G3:2 G2:2 G3:2",
    "D2:2 D3:2 D2:2 D3:2 A2:2 D3:2 D2:2 D3:2",

    "E2:2 E3:2 E2:2 E3:2 B2:2 E3:2 E2:2 E3:2",
    "C2:2 C3:2 C2:2 C3:2 G2:2 C3:2 C2:2 C3:2",
    "G2:2 G3:2 G2:2 G3:2 D3:2 G3:2 G2:2 G3:2",
    "D2:2 D3:2 D2:2 D3:2 A2:2 D3:2 D2:2 D3:2",

    "A2:2 A3:2 A2:2 A3:2 E3:2 A3:2 A2:2 A3:2",
    "C2:2 C3:2 C2:2 C3:2 G2:2 C3:2 C2:2 C3:2",
    "D2:2 D3:2 D2:2 D3:2 A2:2 D3:2 D2:2 D3:2",
    "B1:2 B2:2 B1:2 B2:2 F#2:2 B2:2 D#3:2 B2:2",
};
// clang-format on

// Drums, one character per sixteenth, the same every bar:
// k kick, s snare, h hi-hat, '.' nothing.
const char kDrums[] = "k.h.s.h.k.hks.h.";
static_assert(sizeof(kDrums) - 1 == MusicTrack::kStepsPerBar, "one drum step per sixteenth");

// Voice levels (of 32767), chosen so the loudest moment stays below clipping.
constexpr int kLeadLevel = 6500;
constexpr int kBassLevel = 8000;
constexpr int kKickLevel = 9000;
constexpr int kSnareLevel = 4500;
constexpr int kHatLevel = 1800;

constexpr int kLeadDuty = 96;            // a slightly hollow square
constexpr int kNoteAttack = 60;          // samples
constexpr int kNoteGap = 220;            // samples of silence before the next note
constexpr int kLeadVibratoDepth = 4000;  // millihertz
constexpr int kLeadVibratoRate = 5500;   // millihertz
constexpr int kVibratoMinSteps = 4;      // only notes this long waver

// Drum sounds: a sine kick diving in pitch, a noise snare, a short high hat.
constexpr int kKickMs = 90;
constexpr int kKickFromPitch = 160000;  // millihertz
constexpr int kKickToPitch = 45000;
constexpr int kSnareMs = 120;
constexpr int kSnareNoiseRate = 6000000;  // millihertz
constexpr int kHatMs = 30;
constexpr int kHatNoiseRate = 11000000;  // just under the sample rate

int noteNumber(const std::string& name) {
    static const char kLetters[] = "C.D.EF.G.A.B";
    const auto letter = std::string(kLetters).find(name.at(0));
    if (letter == std::string::npos || name.at(0) == '.') {
        throw std::invalid_argument("bad note name " + name);
    }
    size_t at = 1;
    int semitone = static_cast<int>(letter);
    if (name.size() > at && name[at] == '#') {
        ++semitone;
        ++at;
    }
    if (name.size() != at + 1 || name[at] < '0' || name[at] > '9') {
        throw std::invalid_argument("bad note name " + name);
    }
    // MIDI octave numbering: C4 is 60.
    return (name[at] - '0' + 1) * 12 + semitone;
}

Tone sequenceNote(Waveform wave, int step, int steps, int midi, int level) {
    Tone t;
    t.wave = wave;
    t.start = step * MusicTrack::kSamplesPerStep;
    t.length = steps * MusicTrack::kSamplesPerStep - kNoteGap;
    t.startPitch = Synth::notePitch(midi);
    t.level = level;
    t.envelope = Envelope::Hold;
    t.attack = kNoteAttack;
    t.release = t.length / 3;
    return t;
}

Tone drumHit(char kind, int step) {
    Tone t;
    t.start = step * MusicTrack::kSamplesPerStep;
    t.attack = kNoteAttack / 2;
    if (kind == 'k') {
        t.wave = Waveform::Sine;
        t.length = Synth::ms(kKickMs);
        t.startPitch = kKickFromPitch;
        t.endPitch = kKickToPitch;
        t.level = kKickLevel;
    } else if (kind == 's') {
        t.wave = Waveform::Noise;
        t.length = Synth::ms(kSnareMs);
        t.startPitch = kSnareNoiseRate;
        t.level = kSnareLevel;
    } else {
        t.wave = Waveform::Noise;
        t.length = Synth::ms(kHatMs);
        t.startPitch = kHatNoiseRate;
        t.level = kHatLevel;
    }
    return t;
}

}  // namespace

std::vector<std::pair<int, int>> MusicTrack::parseBar(const std::string& bar) {
    std::vector<std::pair<int, int>> notes;
    std::istringstream tokens(bar);
    std::string token;
    int total = 0;
    while (tokens >> token) {
        const auto colon = token.find(':');
        if (colon == std::string::npos) {
            throw std::invalid_argument("note without length: " + token);
        }
        const std::string name = token.substr(0, colon);
        const int steps = std::stoi(token.substr(colon + 1));
        notes.emplace_back(name == "r" ? kRest : noteNumber(name), steps);
        total += steps;
    }
    if (total != kStepsPerBar) {
        throw std::invalid_argument("bar is " + std::to_string(total) + " sixteenths: " + bar);
    }
    return notes;
}

std::vector<std::int16_t> MusicTrack::render() {
    constexpr int kBars = sizeof(kMelody) / sizeof(kMelody[0]);
    static_assert(kBars == sizeof(kBass) / sizeof(kBass[0]), "lead and bass differ in length");
    Synth synth(kBars * kStepsPerBar * kSamplesPerStep);
    for (int bar = 0; bar < kBars; ++bar) {
        int step = bar * kStepsPerBar;
        for (const auto& [midi, steps] : parseBar(kMelody[bar])) {
            if (midi != kRest) {
                Tone lead = sequenceNote(Waveform::Square, step, steps, midi, kLeadLevel);
                lead.duty = kLeadDuty;
                if (steps >= kVibratoMinSteps) {
                    lead.vibratoDepth = kLeadVibratoDepth;
                    lead.vibratoRate = kLeadVibratoRate;
                }
                synth.add(lead);
            }
            step += steps;
        }
        step = bar * kStepsPerBar;
        for (const auto& [midi, steps] : parseBar(kBass[bar])) {
            synth.add(sequenceNote(Waveform::Triangle, step, steps, midi, kBassLevel));
            step += steps;
        }
        for (int i = 0; i < kStepsPerBar; ++i) {
            if (kDrums[i] != '.') {
                synth.add(drumHit(kDrums[i], bar * kStepsPerBar + i));
            }
        }
    }
    return synth.samples();
}
