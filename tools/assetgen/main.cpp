// kestrun_assetgen ROOT: writes the game's content under ROOT/assets and the
// sprite contact sheet ROOT/docs/sprites.png and the application icon
// ROOT/packaging/kestrun2.png. Run with the repository root to
// regenerate the committed files; the output is the same on every run.
#include <SDL.h>

#include <cstdio>
#include <exception>

#include "tools/assetgen/AssetGenerator.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr,
                     "usage: %s ROOT   (writes ROOT/assets/... and ROOT/docs/sprites.png)\n",
                     argv[0]);
        return 2;
    }
    try {
        AssetGenerator generator(argv[1]);
        return generator.run() ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kestrun_assetgen: %s\n", error.what());
        return 1;
    }
}
