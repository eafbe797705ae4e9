#pragma once

#include <SDL.h>

#include <array>

// The eight keys the game reads, as indices into the KeyState.
enum KeyFlag {
    KeyEscape = 0,
    KeyX = 1,
    KeyZ = 2,
    KeyLeft = 3,
    KeyRight = 4,
    KeyUp = 5,
    KeyDown = 6,
    KeyReturn = 7,
};

// One flag per game key: true from its key-down event until its key-up event or
// until a reader consumes the press. Screens read a flag as held (isDown) or as
// pressed once (consumePress).
//
// A key pressed and released again between two polls reads as released, but its
// press is kept for the frame that follows, so that a quick tap still counts once
// for consumePress. Such a press that nobody takes is dropped at the next poll.
class KeyState {
public:
    static constexpr int kFlagCount = 8;

    // All flags false.
    KeyState() = default;

    // Key-down of a game key sets its flag, key-up clears it; every other key or
    // event type changes nothing. Auto-repeated key-downs set the flag again.
    void handleKeyEvent(SDL_Event event);
    // The flag, unchanged.
    bool isDown(KeyFlag flag) const;
    // True once per key-down, a quick tap included: answers the flag (or the
    // tap's kept press) and clears both.
    bool consumePress(KeyFlag flag);
    // Called by the event pump before it drains the queue: drops the presses of
    // quick taps that no reader took during the previous frame.
    void beginPoll();

private:
    std::array<bool, kFlagCount> flags{};
    // A key-down since the last poll began that no reader has consumed yet.
    std::array<bool, kFlagCount> pressesKept{};
};
