#include "tests/reliability/editor/EditingSession.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "editor/EditorInput.h"
#include "editor/LevelEditor.h"
#include "tests/support/KeyEvents.h"

namespace reliability {
namespace {

constexpr int kScrollPresses = 12;
constexpr int kClickX = 40;
constexpr int kClickY = 40;

// One pass with a key held down, then one with it released.
void tap(LevelEditor& editor, SDL_Keycode key) {
    testsupport::pushKey(key, true);
    editor.runLoopPass();
    testsupport::pushKey(key, false);
    editor.runLoopPass();
}

}  // namespace

void EditingSession::pushButton(bool down, int x, int y) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

EditingSession EditingSession::run() {
    EditingSession session;
    {
        EditorInput input;
        LevelEditor editor(input);
        session.ready = editor.isReady();
        if (session.ready) {
            const EditorMap& map = *editor.getMap();
            for (int i = 0; i < map.rowCount(); ++i) {
                session.rowsAtStart.push_back(map.rowText(i));
            }
            for (int click = 0; click < 2; ++click) {
                pushButton(true, kClickX, kClickY);
                editor.runLoopPass();
                pushButton(false, kClickX, kClickY);
                editor.runLoopPass();
            }
            for (int i = 0; i < kScrollPresses; ++i) {
                tap(editor, SDLK_RIGHT);
            }
            for (int i = 0; i < kScrollPresses; ++i) {
                tap(editor, SDLK_LEFT);
            }
            testsupport::pushKey(SDLK_LCTRL, true);
            tap(editor, SDLK_s);
            testsupport::pushKey(SDLK_LCTRL, false);
            testsupport::pushKey(SDLK_ESCAPE, true);
            editor.runLoopPass();
            EXPECT_FALSE(editor.runLoopPass());
            for (int i = 0; i < map.rowCount(); ++i) {
                session.rowsAtEnd.push_back(map.rowText(i));
            }
        }
    }
    SDL_Quit();
    return session;
}

}  // namespace reliability
