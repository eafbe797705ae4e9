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
    // True once per key-down: answers the flag and clears it.
    bool consumePress(KeyFlag flag);

private:
    std::array<bool, kFlagCount> flags{};
};
