#include <SDL.h>
#include <SDL_ttf.h>

#include "common/AssetFolder.h"
#include "game/shell/Game.h"

// Exit status when the window or the renderer could not be created.
constexpr int kNoDisplayStatus = 1;

int main(int, char**) {
    AssetFolder::check("assets", "kestrun", "the installed game with kestrun2");
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    TTF_Init();
    int status = 0;
    {
        Game game;
        if (!game.hasDisplay()) {
            status = kNoDisplayStatus;
        } else {
            while (!game.isFinished()) {
                game.runFrame();
            }
        }
    }
    TTF_Quit();
    SDL_Quit();
    return status;
}
