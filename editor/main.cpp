// Entry of the level editor: opens the editor on "Assets/level.txt", runs its
// loop until Escape (or Ctrl+C, kill or a closed terminal, which end it the same
// way) and saves on the way out.
#include <SDL.h>

#include "common/AssetFolder.h"
#include "common/StopSignals.h"
#include "editor/EditorInput.h"
#include "editor/LevelEditor.h"

namespace {
// Timer, audio, video, joystick, haptic, game controller and events.
constexpr Uint32 kSubsystems = 0x7231;
constexpr int kExitOk = 0;
// The editor could not start: no window, no renderer or no usable level file.
constexpr int kExitCannotStart = 1;
}  // namespace

int main(int, char*[]) {
    AssetFolder::check("Assets", "kestrun_editor", "the installed editor with kestrun2-editor");
    // Before SDL_Init, so that the stop requests reach the loop below.
    StopSignals::install();
    SDL_Init(kSubsystems);
    EditorInput* input = new EditorInput();
    LevelEditor* editor = new LevelEditor(*input);
    int status = kExitOk;
    if (editor->isReady()) {
        while (StopSignals::received() == 0 && editor->runLoopPass()) {
        }
        if (StopSignals::received() != 0) {
            status = StopSignals::exitStatus();
        }
    } else {
        status = kExitCannotStart;
    }
    delete input;
    delete editor;
    SDL_Quit();
    return status;
}
