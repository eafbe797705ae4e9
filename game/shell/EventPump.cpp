#include "game/shell/EventPump.h"

#include "common/FullscreenToggle.h"

EventPump::EventPump(KeyState& keyState_) : keyState(keyState_), controllers(keyState_) {}

void EventPump::pollEvents() {
    keyState.beginPoll();
    while (SDL_PollEvent(&event) != 0) {
        if (FullscreenToggle::isToggleKey(event)) {
            fullscreenRequested = fullscreenRequested || FullscreenToggle::asksForToggle(event);
            continue;
        }
        controllers.handleEvent(event);
        if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
            keyState.handleKeyEvent(event);
        }
    }
}

bool EventPump::consumeFullscreenRequest() {
    const bool requested = fullscreenRequested;
    fullscreenRequested = false;
    return requested;
}
