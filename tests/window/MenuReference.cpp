// Draws the level select as it should look, headless, from label texts given on
// the command line, and saves the picture as a BMP. Window tests compare the
// real program's screen against it, so the labels are read off the screen.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>

#include "game/media/Sprite.h"
#include "game/media/TextRenderer.h"
#include "game/menu/Menu.h"
#include "game/world/TileMap.h"

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kItemY[4] = {180, 230, 280, 330};
constexpr int kTileSize = 32;
}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::printf("usage: %s OUT.bmp LABEL1 LABEL2 LABEL3\n", argv[0]);
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_Init(SDL_INIT_VIDEO);
    TTF_Init();
    SDL_Window* window = SDL_CreateWindow("reference", 0, 0, kWidth, kHeight, 0);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    {
        SDL_SetRenderDrawColor(renderer, 255, 255, 255, 255);
        SDL_RenderClear(renderer);
        TileMap background(renderer, "assets/levels/mainMenu.txt", kTileSize, kTileSize);
        TextRenderer text(renderer);
        Sprite arrow(renderer, "assets/sprites/menu/arrow.bmp");
        for (int i = 0; i < 3; ++i) {
            text.addTitleText(argv[2 + i], Menu::kItemX, kItemY[i]);
        }
        text.addTitleText("Back to main menu", Menu::kItemX, kItemY[3]);
        background.render();
        text.renderAll();
        arrow.draw(Menu::kItemX - Menu::kArrowGap, kItemY[0]);
        SDL_Surface* shot =
            SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
        SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, shot->pixels,
                             shot->pitch);
        SDL_SaveBMP(shot, argv[1]);
        SDL_FreeSurface(shot);
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    TTF_Quit();
    SDL_Quit();
    return 0;
}
