#pragma once

#include <SDL.h>

// Indices of the editor's input flags and the key or button that drives each.
enum EditorFlag : int {
    FlagEscape = 0,     // quit, read as held
    FlagMouseLeft = 1,  // left mouse button: toggles a cell, consumed
    FlagLeftCtrl = 2,   // save modifier, read as held
    FlagS = 3,          // save, consumed only while Left Ctrl is held
    FlagLeft = 4,       // scroll left, consumed
    FlagRight = 5,      // scroll right, consumed
    FlagG = 6,          // the cell-code selection keys, consumed
    FlagP = 7,
    FlagM = 8,
    FlagB = 9,
    FlagU = 10,
    FlagE = 11,
    FlagI = 12,
    FlagD = 13,
    FlagC = 14,
    FlagH = 15,
    FlagA = 16,
    FlagCount = 17
};

// A window pixel position.
struct EditorPoint {
    int x = 0;
    int y = 0;
};

// SDL events turned into 17 flags (each 0 or 1) plus the last click and pointer
// positions. Created by the program entry and lent to the LevelEditor.
//
// A key or button pressed and released again within one poll reads as released,
// but its press is kept until the next poll, so that a quick tap or click still
// counts once for consumePress (and isDownOrTapped).
class EditorInput {
public:
    // All 17 flags start at 0; both positions start at (0, 0).
    EditorInput();

    // Drains the SDL event queue: key and left-button presses set flags, their
    // releases clear them, motion moves the pointer; every other event (quit
    // included) is dropped. Presses kept from the previous poll are dropped first.
    void pollEvents();
    // The flag's value, left unchanged; false for an index out of range.
    bool isDown(int flag) const;
    // True while the flag is set, or when its key went down during the latest poll
    // and nobody consumed that press; for held readers that a quick tap or a quick
    // chord (Left Ctrl + S) must still reach. Changes nothing.
    bool isDownOrTapped(int flag) const;
    // True once per press, a quick tap included: answers the flag (or the kept
    // press) and clears both.
    bool consumePress(int flag);
    // Window position of the last left-button press.
    EditorPoint clickPosition() const { return {clickX, clickY}; }
    // Window position of the last pointer motion.
    EditorPoint pointerPosition() const { return {pointerX, pointerY}; }
    // True once per F11 or Alt+Return press polled since the last call; those keys
    // drive no flag.
    bool consumeFullscreenRequest();

private:
    // The flag a key drives, or -1 for keys that drive nothing.
    static int flagForKey(SDL_Keycode key);
    void handle(const SDL_Event& polled);

    SDL_Event event{};
    Uint8 flags[FlagCount] = {};
    // A press since the latest poll began that nobody has consumed yet.
    bool pressesKept[FlagCount] = {};
    int clickX = 0;
    int clickY = 0;
    int pointerX = 0;
    int pointerY = 0;
    bool fullscreenRequested = false;
};
