#include "tools/assetgen/AssetGenerator.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/assetgen/EditorIcons.h"
#include "tools/assetgen/EnemyArt.h"
#include "tools/assetgen/IconArt.h"
#include "tools/assetgen/ItemArt.h"
#include "tools/assetgen/MusicTrack.h"
#include "tools/assetgen/RunnerArt.h"
#include "tools/assetgen/SoundEffects.h"
#include "tools/assetgen/StarterFiles.h"
#include "tools/assetgen/Synth.h"
#include "tools/assetgen/TileArt.h"
#include "tools/assetgen/WavFile.h"

namespace fs = std::filesystem;

AssetGenerator::AssetGenerator(std::string root) : root_(std::move(root)) {}

bool AssetGenerator::run() {
    writePictures();
    writeSounds();
    writeStarterFiles();
    const fs::path sheet = fs::path(root_) / "docs" / "sprites.png";
    std::error_code error;
    fs::create_directories(sheet.parent_path(), error);
    if (!sheet_.savePng(sheet.string())) {
        fail(sheet.string());
    }
    const fs::path icon = fs::path(root_) / "packaging" / "kestrun2.png";
    fs::create_directories(icon.parent_path(), error);
    if (!IconArt::savePng(IconArt::icon(), icon.string())) {
        fail(icon.string());
    }
    return ok_;
}

void AssetGenerator::writePictures() {
    writeSprite("tiles/groundTile.bmp", TileArt::ground());
    writeSprite("tiles/blackTile.bmp", TileArt::black());
    writeSprite("tiles/platformTile.bmp", TileArt::platform());
    writeSprite("tiles/doorTile.bmp", TileArt::door());

    sheet_.newRow();
    for (int i = 0; i < RunnerArt::kFrames; ++i) {
        writeSprite(
            "sprites/player/player_anim_run_" + std::to_string(RunnerArt::fileNumber(i)) + ".bmp",
            RunnerArt::frame(i));
    }
    sheet_.newRow();
    for (int i = 0; i < EnemyArt::kWalkerFrames; ++i) {
        writeSprite("sprites/dumbenemy/dumb_anim_" + std::to_string(i + 1) + ".bmp",
                    EnemyArt::walker(i));
    }
    for (int i = 0; i < EnemyArt::kFlyerFrames; ++i) {
        writeSprite("sprites/birdenemy/bird_anim_" + std::to_string(i + 1) + ".bmp",
                    EnemyArt::flyer(i));
    }
    sheet_.newRow();
    writeSprite("sprites/bullet.bmp", ItemArt::bullet());
    writeSprite("sprites/coin.bmp", ItemArt::coin());
    writeSprite("sprites/healthPack.bmp", ItemArt::healthPack());
    writeSprite("sprites/attackCharge.bmp", ItemArt::attackCharge());
    writeSprite("sprites/menu/arrow.bmp", ItemArt::arrow());
    sheet_.newRow();
    writeSprite("sprites/healthBarBg.bmp", ItemArt::healthBarBackground());
    writeSprite("sprites/healthBar.bmp", ItemArt::healthBar());
    sheet_.newRow();
    writeSprite("sprites/player.bmp", EditorIcons::player());
    writeSprite("sprites/dumbEnemy.bmp", EditorIcons::walker());
    writeSprite("sprites/birdEnemy.bmp", EditorIcons::flyer());
}

void AssetGenerator::writeSounds() {
    writeSound("audio/Pickup_Coin.wav", SoundEffects::coin());
    writeSound("audio/Player_Jump.wav", SoundEffects::jump());
    writeSound("audio/Player_Shoot.wav", SoundEffects::shoot());
    writeSound("audio/Player_Hurt.wav", SoundEffects::hurt());
    writeSound("audio/Player_Death.wav", SoundEffects::death());
    writeSound("audio/Enemy_Death.wav", SoundEffects::enemyDeath());
    writeSound("audio/Pickup_AttackCharge.wav", SoundEffects::attackCharge());
    writeSound("audio/Pickup_HealthPack.wav", SoundEffects::healthPack());
    writeSound("audio/Menu_Navigate.wav", SoundEffects::menuNavigate());
    writeSound("audio/sample.wav", MusicTrack::render());
}

void AssetGenerator::writeStarterFiles() {
    writeText("highscores.txt", StarterFiles::highScores());
    writeText("level.txt", StarterFiles::editorLevel());
    writeText("levels/mainMenu.txt", StarterFiles::mainMenu());
    writeText("levels/optionsMenu.txt", StarterFiles::optionsMenu());
}

void AssetGenerator::writeSprite(const std::string& relative, const Canvas& picture) {
    sheet_.add(picture);
    writePicture(relative, picture);
}

void AssetGenerator::writePicture(const std::string& relative, const Canvas& picture) {
    const std::string path = assetPath(relative);
    if (!picture.saveBmp(path)) {
        fail(path);
    }
}

void AssetGenerator::writeSound(const std::string& relative,
                                const std::vector<std::int16_t>& samples) {
    const std::string path = assetPath(relative);
    if (!WavFile::write(path, samples, Synth::kSampleRate)) {
        fail(path);
    }
}

void AssetGenerator::writeText(const std::string& relative, const std::string& text) {
    const std::string path = assetPath(relative);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file) {
        fail(path);
    }
}

std::string AssetGenerator::assetPath(const std::string& relative) {
    const fs::path path = fs::path(root_) / "assets" / relative;
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    return path.string();
}

void AssetGenerator::fail(const std::string& path) {
    std::cerr << "kestrun_assetgen: could not write " << path << "\n";
    ok_ = false;
}
