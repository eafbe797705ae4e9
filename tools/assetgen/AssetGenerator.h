#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/ContactSheet.h"

// Writes the game's whole content tree from the art, sound and level sources
// of this folder. Given a root folder, it writes <root>/assets/... (every
// bitmap, sound and starter file the game and editor read) and the contact
// sheet <root>/docs/sprites.png, and the application icon
// <root>/packaging/kestrun2.png. The three game levels are designed by hand and
// are never written here.
class AssetGenerator {
public:
    // root: the folder that holds (or will hold) assets/ and docs/.
    explicit AssetGenerator(std::string root);

    // Writes everything; returns false (after reporting on stderr) when any
    // file could not be written.
    bool run();

private:
    void writePictures();
    void writeSounds();
    void writeStarterFiles();
    // relative paths are under <root>/assets; sprites also go on the contact sheet.
    void writeSprite(const std::string& relative, const Canvas& picture);
    void writePicture(const std::string& relative, const Canvas& picture);
    void writeSound(const std::string& relative, const std::vector<std::int16_t>& samples);
    void writeText(const std::string& relative, const std::string& text);
    std::string assetPath(const std::string& relative);
    void fail(const std::string& path);

    std::string root_;
    ContactSheet sheet_;
    bool ok_ = true;
};
