#include "tools/playtest/RunRecorder.h"

namespace {
bool flagOf(SDL_Keycode code, KeyFlag& flag) {
    switch (code) {
        case SDLK_LEFT:
            flag = KeyLeft;
            return true;
        case SDLK_RIGHT:
            flag = KeyRight;
            return true;
        case SDLK_z:
            flag = KeyZ;
            return true;
        case SDLK_x:
            flag = KeyX;
            return true;
        case SDLK_DOWN:
            flag = KeyDown;
            return true;
        default:
            return false;
    }
}
}  // namespace

void RunRecorder::restart() {
    recorded.clear();
    held.fill(false);
    pressed.fill(false);
}

void RunRecorder::beforePoll(const KeyState& keys) {
    for (KeyFlag flag : kRecordedKeys) {
        flagged[flag] = keys.isDown(flag);
    }
}

void RunRecorder::noteEvent(const SDL_Event& event) {
    KeyFlag flag = KeyEscape;
    if ((event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) ||
        !flagOf(event.key.keysym.sym, flag)) {
        return;
    }
    down[flag] = event.type == SDL_KEYDOWN;
    pressed[flag] = event.type == SDL_KEYDOWN;
}

void RunRecorder::recordStep(const KeyState& keys) {
    KeyRun step;
    step.steps = 1;
    for (KeyFlag flag : kRecordedKeys) {
        // A key held without a new key-down keeps its flag in the replay only if
        // the replay holds it already; otherwise the replay's press would set a
        // flag that the level had consumed, so it is left out while its flag is off.
        bool hold = false;
        if (down[flag] && pressed[flag]) {
            hold = true;
            // A repeated key-down of a key whose flag is still set changes nothing.
            if (!(held[flag] && flagged[flag])) {
                step.fresh.push_back(flag);
            }
        } else if (down[flag]) {
            hold = held[flag] || keys.isDown(flag);
        }
        held[flag] = hold;
        if (hold) {
            step.held.push_back(flag);
        }
    }
    pressed.fill(false);
    if (!recorded.empty() && step.fresh.empty() && recorded.back().held == step.held) {
        ++recorded.back().steps;
        return;
    }
    recorded.push_back(step);
}
