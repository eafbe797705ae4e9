#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The menu music: a twelve-bar tune in E minor for lead, bass and drums, written
// as note sequences. It loops without a click: every note fades to silence
// before the track ends, and the track starts from silence.
class MusicTrack {
public:
    // Sixteenth notes per bar (4/4 time).
    static constexpr int kStepsPerBar = 16;
    // One sixteenth note at 150 beats per minute is exactly 2205 samples (0.1 s).
    static constexpr int kSamplesPerStep = 2205;

    // The whole track as mono 16-bit samples at the synthesiser's rate.
    static std::vector<std::int16_t> render();
    // Parses one bar written as "E5:4 B4:2 r:2 ..." (note or rest 'r', then its
    // length in sixteenths) into (MIDI note or -1, length) pairs. Throws
    // std::invalid_argument when a token is malformed or the bar is not 16 long.
    static std::vector<std::pair<int, int>> parseBar(const std::string& bar);
};
