#include <SDL.h>
#include <SDL_ttf.h>

#include "common/AssetFolder.h"
#include "common/StopSignals.h"
#include "game/shell/Game.h"

// Exit status when the window or the renderer could not be created.
constexpr int kNoDisplayStatus = 1;

int main(int, char**) {
    AssetFolder::check("assets", "kestrun", "the installed game with kestrun2");
    // Before SDL_Init, so that Ctrl+C, kill and a closed terminal reach the loop below.
    StopSignals::install();
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    TTF_Init();
    int status = 0;
    {
        Game game;
        if (!game.hasDisplay()) {
            status = kNoDisplayStatus;
        } else {
            while (!game.isFinished() && StopSignals::received() == 0) {
                game.runFrame();
            }
            if (StopSignals::received() != 0) {
                status = StopSignals::exitStatus();
            }
        }
    }
    TTF_Quit();
    SDL_Quit();
    return status;
}
