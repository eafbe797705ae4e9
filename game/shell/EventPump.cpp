#include "game/shell/EventPump.h"

EventPump::EventPump(KeyState& keyState_) : keyState(keyState_) {}

void EventPump::pollEvents() {
    keyState.beginPoll();
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
            keyState.handleKeyEvent(event);
        }
    }
}
