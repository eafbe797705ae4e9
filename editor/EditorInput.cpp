#include "editor/EditorInput.h"

#include "common/FullscreenToggle.h"

EditorInput::EditorInput() {
    for (Uint8& flag : flags) {
        flag = 0;
    }
}

void EditorInput::pollEvents() {
    for (bool& kept : pressesKept) {
        kept = false;
    }
    while (SDL_PollEvent(&event) != 0) {
        handle(event);
    }
}

void EditorInput::handle(const SDL_Event& polled) {
    if (FullscreenToggle::isToggleKey(polled)) {
        fullscreenRequested = fullscreenRequested || FullscreenToggle::asksForToggle(polled);
        return;
    }
    switch (polled.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int flag = flagForKey(polled.key.keysym.sym);
            if (flag >= 0) {
                flags[flag] = polled.type == SDL_KEYDOWN ? 1 : 0;
                pressesKept[flag] = pressesKept[flag] || polled.type == SDL_KEYDOWN;
            }
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
            if (polled.button.button == SDL_BUTTON_LEFT) {
                clickX = polled.button.x;
                clickY = polled.button.y;
                flags[FlagMouseLeft] = 1;
                pressesKept[FlagMouseLeft] = true;
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (polled.button.button == SDL_BUTTON_LEFT) {
                flags[FlagMouseLeft] = 0;
            }
            break;
        case SDL_MOUSEMOTION:
            pointerX = polled.motion.x;
            pointerY = polled.motion.y;
            break;
        default:
            // SDL_QUIT lands here too: only Escape ends the editor.
            break;
    }
}

bool EditorInput::isDown(int flag) const {
    return flag >= 0 && flag < FlagCount && flags[flag] != 0;
}

bool EditorInput::isDownOrTapped(int flag) const {
    return isDown(flag) || (flag >= 0 && flag < FlagCount && pressesKept[flag]);
}

bool EditorInput::consumePress(int flag) {
    if (!isDownOrTapped(flag)) {
        return false;
    }
    flags[flag] = 0;
    pressesKept[flag] = false;
    return true;
}

bool EditorInput::consumeFullscreenRequest() {
    const bool requested = fullscreenRequested;
    fullscreenRequested = false;
    return requested;
}

int EditorInput::flagForKey(SDL_Keycode key) {
    switch (key) {
        case SDLK_ESCAPE:
            return FlagEscape;
        case SDLK_LCTRL:
            return FlagLeftCtrl;
        case SDLK_s:
            return FlagS;
        case SDLK_LEFT:
            return FlagLeft;
        case SDLK_RIGHT:
            return FlagRight;
        case SDLK_g:
            return FlagG;
        case SDLK_p:
            return FlagP;
        case SDLK_m:
            return FlagM;
        case SDLK_b:
            return FlagB;
        case SDLK_u:
            return FlagU;
        case SDLK_e:
            return FlagE;
        case SDLK_i:
            return FlagI;
        case SDLK_d:
            return FlagD;
        case SDLK_c:
            return FlagC;
        case SDLK_h:
            return FlagH;
        case SDLK_a:
            return FlagA;
        default:
            return -1;
    }
}
