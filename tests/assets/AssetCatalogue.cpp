#include "tests/assets/AssetCatalogue.h"

#include <fstream>
#include <sstream>

namespace assettest {

namespace {
constexpr int kRunFileCount = 27;
constexpr int kMissingRunFile = 12;
}  // namespace

std::vector<BitmapEntry> bitmaps() {
    std::vector<BitmapEntry> all = {
        {"tiles/groundTile.bmp", Drawn::Opaque},
        {"tiles/blackTile.bmp", Drawn::Opaque},
        {"tiles/platformTile.bmp", Drawn::Opaque},
        {"tiles/doorTile.bmp", Drawn::Opaque},
        {"sprites/dumbenemy/dumb_anim_1.bmp", Drawn::Keyed},
        {"sprites/dumbenemy/dumb_anim_2.bmp", Drawn::Keyed},
        {"sprites/dumbenemy/dumb_anim_3.bmp", Drawn::Keyed},
        {"sprites/birdenemy/bird_anim_1.bmp", Drawn::Keyed},
        {"sprites/birdenemy/bird_anim_2.bmp", Drawn::Keyed},
        {"sprites/birdenemy/bird_anim_3.bmp", Drawn::Keyed},
        {"sprites/bullet.bmp", Drawn::Keyed},
        {"sprites/coin.bmp", Drawn::Keyed},
        {"sprites/healthPack.bmp", Drawn::Keyed},
        {"sprites/attackCharge.bmp", Drawn::Keyed},
        {"sprites/healthBar.bmp", Drawn::Opaque},
        {"sprites/healthBarBg.bmp", Drawn::Opaque},
        {"sprites/menu/arrow.bmp", Drawn::Keyed},
        {"sprites/player.bmp", Drawn::Opaque},
        {"sprites/birdEnemy.bmp", Drawn::Opaque},
        {"sprites/dumbEnemy.bmp", Drawn::Opaque},
    };
    for (const std::string& frame : runFrames()) {
        all.push_back({frame, Drawn::Keyed});
    }
    return all;
}

std::vector<std::string> runFrames() {
    std::vector<std::string> frames;
    for (int n = 1; n <= kRunFileCount; ++n) {
        if (n != kMissingRunFile) {
            frames.push_back("sprites/player/player_anim_run_" + std::to_string(n) + ".bmp");
        }
    }
    return frames;
}

std::vector<std::string> soundEffects() {
    return {
        "audio/Pickup_Coin.wav",         "audio/Player_Jump.wav",       "audio/Player_Shoot.wav",
        "audio/Player_Hurt.wav",         "audio/Player_Death.wav",      "audio/Enemy_Death.wav",
        "audio/Pickup_AttackCharge.wav", "audio/Pickup_HealthPack.wav", "audio/Menu_Navigate.wav"};
}

std::string music() {
    return "audio/sample.wav";
}

bool Picture::isMagenta(int x, int y) const {
    const SDL_Color& c = at(x, y);
    return c.r == 255 && c.g == 0 && c.b == 255;
}

Picture loadPicture(const std::string& path) {
    Picture picture;
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (loaded == nullptr) {
        return picture;
    }
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    if (rgba == nullptr) {
        return picture;
    }
    picture.width = rgba->w;
    picture.height = rgba->h;
    for (int y = 0; y < rgba->h; ++y) {
        const auto* row = static_cast<const Uint8*>(rgba->pixels) + y * rgba->pitch;
        for (int x = 0; x < rgba->w; ++x) {
            picture.pixels.push_back(SDL_Color{row[4 * x], row[4 * x + 1], row[4 * x + 2], 255});
        }
    }
    SDL_FreeSurface(rgba);
    return picture;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace assettest
