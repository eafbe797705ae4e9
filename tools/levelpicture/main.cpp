// kestrun_levelpicture LEVEL OUT.png: draws a whole level file with the game's
// own tiles and sprites and writes it as a PNG picture. Run it from the folder
// that holds assets/; it opens no window.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/levelpicture/LevelPicture.h"

namespace {
constexpr int kUsageStatus = 2;
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
}  // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 0 ? argv[0] : "kestrun_levelpicture";
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s LEVEL_FILE OUT.png\n", program.c_str());
        return kUsageStatus;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s: SDL could not start: %s\n", program.c_str(), SDL_GetError());
        return EXIT_FAILURE;
    }
    SDL_Window* window =
        SDL_CreateWindow("kestrun_levelpicture", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                         kWindowWidth, kWindowHeight, SDL_WINDOW_HIDDEN);
    SDL_Renderer* renderer =
        window != nullptr
            ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE)
            : nullptr;
    int status = EXIT_SUCCESS;
    if (renderer == nullptr) {
        std::fprintf(stderr, "%s: no renderer: %s\n", program.c_str(), SDL_GetError());
        status = EXIT_FAILURE;
    } else {
        LevelPicture picture(renderer);
        if (!picture.draw(argv[1]) || !picture.savePng(argv[2])) {
            std::fprintf(stderr, "%s: %s\n", program.c_str(), picture.error().c_str());
            status = EXIT_FAILURE;
        }
        SDL_DestroyRenderer(renderer);
    }
    if (window != nullptr) {
        SDL_DestroyWindow(window);
    }
    SDL_Quit();
    return status;
}
