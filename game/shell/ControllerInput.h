#pragma once

#include <SDL.h>

#include <array>
#include <vector>

class KeyState;

// Game controllers as a second keyboard. Every controller SDL knows (its built-in
// mapping database) drives the game keys: D-pad and left stick the arrows, the south
// button z, the west or east button x, Start Return and Back Escape. When the keys
// held on all controllers together change, the key state is handed the key-down
// and key-up events the keyboard would send, so the same press and held rules
// apply. Controllers plugged in or out while the game runs are opened or closed as
// their events arrive; unplugging releases what it held.
class ControllerInput {
public:
    // Left stick travel (of 32767) that counts as an arrow; less is the dead zone.
    static constexpr Sint16 kStickDeadZone = 8000;

    // Starts SDL's game controller subsystem; controllers already plugged in arrive
    // as device-added events at the next poll. The key state must outlive it.
    explicit ControllerInput(KeyState& keyState);
    // Closes every open controller and stops the subsystem again.
    ~ControllerInput();
    ControllerInput(const ControllerInput&) = delete;
    ControllerInput& operator=(const ControllerInput&) = delete;

    // Takes one polled event: device-added and device-removed open and close
    // controllers; buttons and left-stick motion may hand key events to the key
    // state. Every other event is ignored.
    void handleEvent(const SDL_Event& event);
    // Number of controllers open now.
    int controllerCount() const { return static_cast<int>(pads.size()); }

private:
    // One open controller and what its events last said.
    struct Pad {
        SDL_GameController* controller = nullptr;
        SDL_JoystickID id = -1;
        std::array<bool, SDL_CONTROLLER_BUTTON_MAX> buttons{};
        Sint16 stickX = 0;
        Sint16 stickY = 0;
    };

    void open(int deviceIndex);
    void close(SDL_JoystickID id);
    Pad* find(SDL_JoystickID id);
    // The game keys that one controller holds, one bit per key flag.
    static unsigned heldKeys(const Pad& pad);
    // Sends a key event for every key whose state on all controllers changed.
    void publish();

    KeyState& keyState;
    std::vector<Pad> pads;
    unsigned published = 0;
};
