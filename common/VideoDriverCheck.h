#pragma once

#include <SDL.h>

#include <cstddef>
#include <initializer_list>
#include <string>

// Tells whether the video driver SDL ended up with can show a window to a person.
// Without a display SDL falls back to its "offscreen" driver, which draws into
// memory only: the program would run unseen and without input for ever. That is
// right only when the user asked for such a driver through SDL_VIDEODRIVER (the
// tests do), so both programs treat the fallback as a failed window.
// Header only: the game and the editor share no library.
class VideoDriverCheck {
public:
    // The name of the driver SDL chose when it shows nothing and nobody asked for
    // it through SDL_VIDEODRIVER; null otherwise. Call after SDL_Init(SDL_INIT_VIDEO).
    static const char* invisibleDriver() {
        const char* driver = SDL_GetCurrentVideoDriver();
        if (driver == nullptr) {
            return nullptr;  // no driver at all: creating the window fails by itself
        }
        for (const char* invisible : {"offscreen", "dummy"}) {
            if (SDL_strcasecmp(driver, invisible) == 0 &&
                !listNames(SDL_GetHint(SDL_HINT_VIDEODRIVER), driver)) {
                return driver;
            }
        }
        return nullptr;
    }

    // The one-line reason printed after "WINDOW initialisation failed: ".
    static std::string reason(const char* driver) {
        return std::string("no display to show it on (SDL fell back to its \"") + driver +
               "\" video driver, which shows nothing; check DISPLAY)";
    }

private:
    // Whether the comma-separated driver list names driver (case ignored).
    static bool listNames(const char* list, const char* driver) {
        const std::size_t length = SDL_strlen(driver);
        const char* entry = list;
        while (entry != nullptr && *entry != '\0') {
            const char* comma = SDL_strchr(entry, ',');
            const std::size_t entryLength =
                comma != nullptr ? static_cast<std::size_t>(comma - entry) : SDL_strlen(entry);
            if (entryLength == length && SDL_strncasecmp(entry, driver, length) == 0) {
                return true;
            }
            entry = comma != nullptr ? comma + 1 : nullptr;
        }
        return false;
    }
};
