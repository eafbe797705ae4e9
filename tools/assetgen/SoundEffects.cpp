#include "tools/assetgen/SoundEffects.h"

#include "tools/assetgen/Synth.h"

namespace {

// MIDI note numbers used below.
constexpr int kC4 = 60;
constexpr int kE4 = 64;
constexpr int kG4 = 67;
constexpr int kC5 = 72;
constexpr int kE5 = 76;
constexpr int kG5 = 79;
constexpr int kA5 = 81;
constexpr int kB5 = 83;
constexpr int kC6 = 84;
constexpr int kE6 = 88;
constexpr int kG6 = 91;

constexpr int kHz = 1000;           // millihertz per hertz
constexpr int kClickGuard = 40;     // attack samples that keep a tone from clicking in
constexpr int kShortRelease = 200;  // samples of fade at the end of a held note
constexpr int kQuarterDuty = 64;
constexpr int kEighthDuty = 32;

// A tone that plays one note from startMs for lengthMs.
Tone note(Waveform wave, int startMs, int lengthMs, int midi, int level, Envelope envelope) {
    Tone t;
    t.wave = wave;
    t.start = Synth::ms(startMs);
    t.length = Synth::ms(lengthMs);
    t.startPitch = Synth::notePitch(midi);
    t.level = level;
    t.envelope = envelope;
    t.attack = kClickGuard;
    t.release = kShortRelease;
    return t;
}

// A tone gliding from fromHz to toHz.
Tone glide(Waveform wave, int startMs, int lengthMs, int fromHz, int toHz, int level,
           Envelope envelope) {
    Tone t;
    t.wave = wave;
    t.start = Synth::ms(startMs);
    t.length = Synth::ms(lengthMs);
    t.startPitch = fromHz * kHz;
    t.endPitch = toHz * kHz;
    t.level = level;
    t.envelope = envelope;
    t.attack = kClickGuard;
    t.release = kShortRelease;
    return t;
}

SoundEffects::Samples render(int lengthMs, const std::vector<Tone>& tones) {
    Synth synth(Synth::ms(lengthMs));
    for (const Tone& t : tones) {
        synth.add(t);
    }
    return synth.samples();
}

}  // namespace

// The numbers below are the sound design itself: times and lengths in
// milliseconds, pitches in hertz or as notes, peak levels out of 32767.

SoundEffects::Samples SoundEffects::coin() {
    Tone first = note(Waveform::Square, 0, 70, kB5, 9000, Envelope::Hold);
    Tone second = note(Waveform::Square, 70, 300, kE6, 9000, Envelope::Decay);
    first.duty = second.duty = kQuarterDuty;
    return render(370, {first, second});
}

SoundEffects::Samples SoundEffects::jump() {
    Tone sweep = glide(Waveform::Square, 0, 180, 240, 640, 7000, Envelope::Hold);
    sweep.release = Synth::ms(60);
    Tone body = glide(Waveform::Triangle, 0, 180, 120, 320, 6000, Envelope::Hold);
    body.release = sweep.release;
    return render(180, {sweep, body});
}

SoundEffects::Samples SoundEffects::shoot() {
    Tone zap = glide(Waveform::Square, 0, 140, 1500, 250, 8000, Envelope::Decay);
    zap.duty = kEighthDuty;
    const Tone hiss = glide(Waveform::Noise, 0, 60, 9000, 4000, 5000, Envelope::Decay);
    return render(140, {zap, hiss});
}

SoundEffects::Samples SoundEffects::hurt() {
    Tone buzz = glide(Waveform::Sawtooth, 0, 260, 420, 160, 8000, Envelope::Decay);
    buzz.vibratoDepth = 30 * kHz;
    buzz.vibratoRate = 30 * kHz;
    const Tone under = glide(Waveform::Square, 0, 260, 400, 150, 4000, Envelope::Decay);
    const Tone thump = glide(Waveform::Noise, 0, 100, 3000, 800, 5000, Envelope::Decay);
    return render(260, {buzz, under, thump});
}

SoundEffects::Samples SoundEffects::death() {
    Tone wail = glide(Waveform::Triangle, 450, 800, 260, 55, 9000, Envelope::Decay);
    wail.vibratoDepth = 12 * kHz;
    wail.vibratoRate = 8 * kHz;
    Tone wailEdge = glide(Waveform::Square, 450, 800, 261, 56, 3500, Envelope::Decay);
    wailEdge.vibratoDepth = wail.vibratoDepth;
    wailEdge.vibratoRate = wail.vibratoRate;
    return render(1250,
                  {note(Waveform::Square, 0, 150, kG4, 7000, Envelope::Hold),
                   note(Waveform::Square, 150, 150, kE4, 7000, Envelope::Hold),
                   note(Waveform::Square, 300, 150, kC4, 7000, Envelope::Hold), wail, wailEdge});
}

SoundEffects::Samples SoundEffects::enemyDeath() {
    const Tone pop = glide(Waveform::Noise, 0, 320, 7000, 500, 9000, Envelope::Decay);
    Tone drop = glide(Waveform::Square, 0, 200, 700, 90, 6000, Envelope::Decay);
    drop.duty = kQuarterDuty;
    return render(320, {pop, drop});
}

SoundEffects::Samples SoundEffects::attackCharge() {
    constexpr int kSteps[] = {kC5, kE5, kG5, kC6, kE6};
    constexpr int kStepMs = 45;
    std::vector<Tone> tones;
    int at = 0;
    for (int midi : kSteps) {
        Tone t = note(Waveform::Square, at, kStepMs, midi, 6500, Envelope::Hold);
        t.duty = kQuarterDuty;
        tones.push_back(t);
        at += kStepMs;
    }
    Tone top = note(Waveform::Square, at, 400 - at, kG6, 6500, Envelope::Decay);
    top.duty = kQuarterDuty;
    tones.push_back(top);
    tones.push_back(glide(Waveform::Sine, 0, 400, 523, 2093, 3500, Envelope::Decay));
    return render(400, tones);
}

SoundEffects::Samples SoundEffects::healthPack() {
    constexpr int kStepMs = 70;
    constexpr int kChordStart = 3 * kStepMs;
    constexpr int kChordMs = 300;
    return render(kChordStart + kChordMs,
                  {note(Waveform::Triangle, 0, kStepMs, kC5, 8000, Envelope::Hold),
                   note(Waveform::Triangle, kStepMs, kStepMs, kE5, 8000, Envelope::Hold),
                   note(Waveform::Triangle, 2 * kStepMs, kStepMs, kG5, 8000, Envelope::Hold),
                   note(Waveform::Triangle, kChordStart, kChordMs, kC6, 6000, Envelope::Decay),
                   note(Waveform::Sine, kChordStart, kChordMs, kE6, 5000, Envelope::Decay),
                   note(Waveform::Sine, kChordStart, kChordMs, kG6, 4000, Envelope::Decay)});
}

SoundEffects::Samples SoundEffects::menuNavigate() {
    return render(110, {note(Waveform::Square, 0, 35, kA5, 6000, Envelope::Hold),
                        note(Waveform::Square, 35, 75, kE6, 6000, Envelope::Decay)});
}
