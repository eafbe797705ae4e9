#pragma once

#include <string>
#include <vector>

#include "game/shell/KeyState.h"

// One run of steps of a replay: the keys held throughout, and those of them that
// get a fresh key-down at the run's first step even when already held.
struct KeyRun {
    int steps = 0;
    std::vector<KeyFlag> held;
    std::vector<KeyFlag> fresh;
};

// Replay scripts as plain text, one run per line:
//   STEPS [KEY ...]
// KEY is Left, Right, Up, Down, Z, X, Return or Escape, held for the whole run
// (pressed at the run's first step unless the run before held it too); "+KEY"
// presses it afresh at the run's first step. '#' starts a comment.
class ReplayFile {
public:
    // Longer replays are refused: 30 minutes of 16 ms steps, far more than any
    // level needs, and a bound on what a damaged file can make the player run.
    static constexpr long long kMaxSteps = 30LL * 60 * 1000 / 16;
    // Larger files are not read.
    static constexpr long long kMaxFileBytes = 4LL << 20;

    // Parses text into runs; on a malformed line returns false with error naming
    // the line and what is wrong, runs then unspecified.
    static bool parse(const std::string& text, std::vector<KeyRun>& runs, std::string& error);
    // Reads and parses the file at path; false with error for a file that is
    // missing, unreadable, too large, malformed, too long or holds no step.
    static bool load(const std::string& path, std::vector<KeyRun>& runs, std::string& error);
    // The runs as text in the same format, keys in a fixed order.
    static std::string format(const std::vector<KeyRun>& runs);
    // The name of a key in the format ("Right", "Z", ...).
    static const char* keyName(KeyFlag flag);
    // Total steps of runs.
    static long long stepCount(const std::vector<KeyRun>& runs);
};
