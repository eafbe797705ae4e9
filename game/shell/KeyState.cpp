#include "game/shell/KeyState.h"

namespace {

// Key codes (layout-dependent symbols) in KeyFlag order. Keypad Enter is not Return.
constexpr SDL_Keycode kKeyCodes[KeyState::kFlagCount] = {
    SDLK_ESCAPE, SDLK_x, SDLK_z, SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_RETURN,
};

bool validFlag(KeyFlag flag) {
    const int index = static_cast<int>(flag);
    return index >= 0 && index < KeyState::kFlagCount;
}

}  // namespace

void KeyState::handleKeyEvent(SDL_Event event) {
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) {
        return;
    }
    for (int i = 0; i < kFlagCount; ++i) {
        if (event.key.keysym.sym == kKeyCodes[i]) {
            flags[i] = event.type == SDL_KEYDOWN;
            if (flags[i]) {
                pressesKept[i] = true;
            }
            return;
        }
    }
}

bool KeyState::isDown(KeyFlag flag) const {
    return validFlag(flag) && flags[flag];
}

bool KeyState::consumePress(KeyFlag flag) {
    if (!validFlag(flag) || !(flags[flag] || pressesKept[flag])) {
        return false;
    }
    flags[flag] = false;
    pressesKept[flag] = false;
    return true;
}

void KeyState::beginPoll() {
    pressesKept.fill(false);
}
