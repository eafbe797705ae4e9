#pragma once

#include <string>
#include <vector>

namespace reliability {

// A private copy of the repository's asset folder in the working directory, for
// tests that leave out, damage or replace parts of it. Folders are real; media
// files (which the programs only read) are links to the repository's; text files
// (which the programs may rewrite) are copies, so no test can change the
// repository. "Assets" links to "assets", as the editor's paths need.
class AssetTree {
public:
    // The high-score file every tree starts with, unless it is left out.
    static constexpr const char* kBestTimesPath = "assets/highscores.txt";
    static constexpr const char* kStoredTimes = "12\n34\n56";
    static constexpr int kStoredTime[3] = {12, 34, 56};
    // The editor's working file.
    static constexpr const char* kEditorLevelPath = "Assets/level.txt";

    // Builds ./assets, leaving out each path in without (relative to the working
    // directory: "assets/tiles" leaves out a folder, "assets/DejaVuSans.ttf" a file).
    static void build(const std::vector<std::string>& without = {});
    // Puts bytes in place of the file at relative, creating folders as needed; a
    // link there is replaced, never written through.
    static void replace(const std::string& relative, const std::string& bytes);
    // The bytes of a repository asset, e.g. original("assets/sprites/coin.bmp").
    static std::string original(const std::string& relative);
    // The bytes of a file under the working directory; empty when it is missing.
    static std::string read(const std::string& relative);
    // Every file (not folder) under a folder of the tree, relative paths, sorted.
    static std::vector<std::string> filesUnder(const std::string& relative);
};

}  // namespace reliability
