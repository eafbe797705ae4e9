#pragma once

#include <SDL.h>

#include <array>
#include <vector>

#include "game/shell/KeyState.h"
#include "tools/playtest/ReplayFile.h"

// Records the keys of a run as replay runs that, played into a fresh KeyState
// the way the replay harness does, give the level the same key flags at every
// step as the keyboard gave it. Fed the keyboard's key events and, before each
// level step, the key state they produced.
class RunRecorder {
public:
    // The keys the level reads; the others are not recorded.
    static constexpr KeyFlag kRecordedKeys[] = {KeyLeft, KeyRight, KeyZ, KeyX, KeyDown};

    // Forgets the steps recorded; the keys held on the keyboard stay known.
    void restart();
    // The key state as the last step left it, before the keyboard is polled again.
    void beforePoll(const KeyState& keys);
    // A key event from the keyboard, in the order polled.
    void noteEvent(const SDL_Event& event);
    // Records one level step, about to run with keys as they stand after the poll.
    void recordStep(const KeyState& keys);
    // The steps recorded so far as runs.
    const std::vector<KeyRun>& runs() const { return recorded; }

private:
    std::array<bool, KeyState::kFlagCount> down{};     // held on the keyboard
    std::array<bool, KeyState::kFlagCount> pressed{};  // a key-down since the last step
    std::array<bool, KeyState::kFlagCount> held{};     // held in the recorded runs
    std::array<bool, KeyState::kFlagCount> flagged{};  // flag set before the poll
    std::vector<KeyRun> recorded;
};
