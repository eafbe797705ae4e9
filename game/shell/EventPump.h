#pragma once

#include <SDL.h>

#include "game/shell/ControllerInput.h"
#include "game/shell/KeyState.h"

// Drains SDL's event queue once per frame into the KeyState. Game controllers
// drive the same keys (see ControllerInput); F11 and Alt+Return are taken as a
// request to toggle fullscreen. Every other event is dropped, the window's close
// request included.
class EventPump {
public:
    // Keeps a reference to the key state it feeds; the key state must outlive it.
    explicit EventPump(KeyState& keyState);
    EventPump(const EventPump&) = delete;
    EventPump& operator=(const EventPump&) = delete;

    // Polls every pending event; key-downs and key-ups go to the key state, which
    // first drops the quick taps of the previous frame that nobody took.
    void pollEvents();
    // True once per F11 or Alt+Return press polled since the last call.
    bool consumeFullscreenRequest();

private:
    SDL_Event event{};
    KeyState& keyState;
    ControllerInput controllers;
    bool fullscreenRequested = false;
};
