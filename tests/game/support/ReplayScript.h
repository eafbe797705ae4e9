#pragma once

#include <string>
#include <vector>

#include "tools/playtest/ReplayFile.h"

namespace testsupport {

// One run of steps of a replay script: the keys held throughout, and the keys
// that get a fresh key-down at the run's first step even if already held.
using ReplayRun = KeyRun;

// Text scripts that drive a level step by step, in the play-test's replay format
// (one line per run: STEPS [KEY ...], "+KEY" for a fresh press, '#' comments),
// read by the play-test's own reader so both always agree on a replay.
class ReplayScript {
public:
    // Parses text; throws std::runtime_error naming the line of a malformed run.
    static std::vector<ReplayRun> parse(const std::string& text);
    // Reads and parses a file; throws std::runtime_error when it cannot be used.
    static std::vector<ReplayRun> load(const std::string& path);
    // Writes runs back as text in the same format.
    static std::string format(const std::vector<ReplayRun>& runs);
};

}  // namespace testsupport
