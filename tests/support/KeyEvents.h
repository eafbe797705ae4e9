#pragma once

#include <SDL.h>

namespace testsupport {

// Pushes a real key-down (down = true) or key-up event for a key code onto SDL's queue.
void pushKey(SDL_Keycode key, bool down);
// Pushes a key-down followed by its key-up, a press released before the next poll.
void pushTap(SDL_Keycode key);

}  // namespace testsupport
