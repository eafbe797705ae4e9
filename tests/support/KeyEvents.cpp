#include "tests/support/KeyEvents.h"

namespace testsupport {

void pushKey(SDL_Keycode key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    SDL_PushEvent(&event);
}

void pushTap(SDL_Keycode key) {
    pushKey(key, true);
    pushKey(key, false);
}

}  // namespace testsupport
