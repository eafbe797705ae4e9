#include "game/shell/ControllerInput.h"

#include "game/shell/KeyState.h"

namespace {

// Key codes in KeyFlag order, as the keyboard would send them.
constexpr SDL_Keycode kKeyCodes[KeyState::kFlagCount] = {
    SDLK_ESCAPE, SDLK_x, SDLK_z, SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_RETURN,
};

unsigned bit(KeyFlag flag) {
    return 1u << static_cast<unsigned>(flag);
}

SDL_Event keyEvent(KeyFlag flag, bool down) {
    SDL_Event key{};
    key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    key.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    key.key.keysym.sym = kKeyCodes[flag];
    key.key.keysym.scancode = SDL_GetScancodeFromKey(kKeyCodes[flag]);
    return key;
}

}  // namespace

ControllerInput::ControllerInput(KeyState& keyState_) : keyState(keyState_) {
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
}

ControllerInput::~ControllerInput() {
    for (Pad& pad : pads) {
        SDL_GameControllerClose(pad.controller);
    }
    pads.clear();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void ControllerInput::handleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            open(event.cdevice.which);
            return;
        case SDL_CONTROLLERDEVICEREMOVED:
            close(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            Pad* pad = find(event.cbutton.which);
            if (pad == nullptr || event.cbutton.button >= SDL_CONTROLLER_BUTTON_MAX) {
                return;
            }
            pad->buttons[event.cbutton.button] = event.type == SDL_CONTROLLERBUTTONDOWN;
            break;
        }
        case SDL_CONTROLLERAXISMOTION: {
            Pad* pad = find(event.caxis.which);
            if (pad == nullptr) {
                return;
            }
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                pad->stickX = event.caxis.value;
            } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                pad->stickY = event.caxis.value;
            }
            break;
        }
        default:
            return;
    }
    publish();
}

void ControllerInput::open(int deviceIndex) {
    // SDL announces a controller once at start and once per plug-in; never open twice.
    if (find(SDL_JoystickGetDeviceInstanceID(deviceIndex)) != nullptr) {
        return;
    }
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        return;
    }
    Pad pad;
    pad.controller = controller;
    pad.id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    pads.push_back(pad);
}

void ControllerInput::close(SDL_JoystickID id) {
    for (auto it = pads.begin(); it != pads.end(); ++it) {
        if (it->id == id) {
            SDL_GameControllerClose(it->controller);
            pads.erase(it);
            return;
        }
    }
}

ControllerInput::Pad* ControllerInput::find(SDL_JoystickID id) {
    for (Pad& pad : pads) {
        if (pad.id == id) {
            return &pad;
        }
    }
    return nullptr;
}

unsigned ControllerInput::heldKeys(const Pad& pad) {
    const auto& b = pad.buttons;
    unsigned held = 0;
    const auto hold = [&held](KeyFlag flag, bool on) {
        if (on) {
            held |= bit(flag);
        }
    };
    hold(KeyLeft, b[SDL_CONTROLLER_BUTTON_DPAD_LEFT] || pad.stickX < -kStickDeadZone);
    hold(KeyRight, b[SDL_CONTROLLER_BUTTON_DPAD_RIGHT] || pad.stickX > kStickDeadZone);
    hold(KeyUp, b[SDL_CONTROLLER_BUTTON_DPAD_UP] || pad.stickY < -kStickDeadZone);
    hold(KeyDown, b[SDL_CONTROLLER_BUTTON_DPAD_DOWN] || pad.stickY > kStickDeadZone);
    hold(KeyZ, b[SDL_CONTROLLER_BUTTON_A]);
    hold(KeyX, b[SDL_CONTROLLER_BUTTON_X] || b[SDL_CONTROLLER_BUTTON_B]);
    hold(KeyReturn, b[SDL_CONTROLLER_BUTTON_START]);
    hold(KeyEscape, b[SDL_CONTROLLER_BUTTON_BACK]);
    return held;
}

void ControllerInput::publish() {
    unsigned held = 0;
    for (const Pad& pad : pads) {
        held |= heldKeys(pad);
    }
    for (int i = 0; i < KeyState::kFlagCount; ++i) {
        const auto flag = static_cast<KeyFlag>(i);
        if (((held ^ published) & bit(flag)) != 0) {
            keyState.handleKeyEvent(keyEvent(flag, (held & bit(flag)) != 0));
        }
    }
    published = held;
}
