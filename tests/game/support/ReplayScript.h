#pragma once

#include <string>
#include <vector>

#include "game/shell/KeyState.h"

namespace testsupport {

// One run of steps of a replay script: the keys held throughout, and the keys
// that get a fresh key-down at the run's first step even if already held.
struct ReplayRun {
    int steps = 0;
    std::vector<KeyFlag> held;
    std::vector<KeyFlag> fresh;
};

// Text scripts that drive a level step by step. One line per run:
//   STEPS [KEY ...]
// KEY is Left, Right, Up, Down, Z, X, Return or Escape; a listed key is held for
// the whole run (pressed at the run's first step unless the previous run held it
// too); "+KEY" presses it afresh at the first step. '#' starts a comment.
class ReplayScript {
public:
    // Parses text; throws std::runtime_error naming the line of a malformed run.
    static std::vector<ReplayRun> parse(const std::string& text);
    // Reads and parses a file.
    static std::vector<ReplayRun> load(const std::string& path);
    // Writes runs back as text in the same format.
    static std::string format(const std::vector<ReplayRun>& runs);
};

}  // namespace testsupport
