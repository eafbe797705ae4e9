// kestrun_playtest LEVEL_FILE [--record OUT | --watch REPLAY]: plays any level
// file in a window with the game's own level code.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/AssetFolder.h"
#include "common/StopSignals.h"
#include "common/VideoDriverCheck.h"
#include "game/world/LevelFile.h"
#include "tools/playtest/PlaytestOptions.h"
#include "tools/playtest/PlaytestSession.h"

namespace {
constexpr int kUsage = PlaytestOptions::kUsageStatus;
// Level files larger than this are not played (no level comes near it).
constexpr std::uintmax_t kMaxLevelBytes = std::uintmax_t{4} << 20;

// Empty when the level file can be played, else what is wrong with it.
std::string levelProblem(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        return "no such file";
    }
    if (fs::is_directory(status)) {
        return "it is a folder";
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > kMaxLevelBytes) {
        return "larger than any level (over " + std::to_string(kMaxLevelBytes) + " bytes)";
    }
    std::ifstream file(path, std::ios::binary);
    char byte = 0;
    if (!file || (!file.get(byte) && file.bad())) {
        return "cannot be read";
    }
    for (const std::string& row : LevelFile::readRows(path)) {
        if (!row.empty()) {
            return "";
        }
    }
    return "the file holds no cells";
}
}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string program = "kestrun_playtest";
    const PlaytestOptions options(arguments);
    if (options.wantsHelp()) {
        std::fputs(PlaytestOptions::usage(program).c_str(), stdout);
        return EXIT_SUCCESS;
    }
    if (!options.isValid()) {
        std::printf("%s: %s (--help shows the usage)\n", program.c_str(), options.error().c_str());
        return kUsage;
    }
    if (!AssetFolder::check("assets", "kestrun_playtest",
                            "~/.local/share/kestrun2 once the game is installed")) {
        return kUsage;
    }
    const std::string problem = levelProblem(options.levelPath());
    if (!problem.empty()) {
        std::printf("%s: level %s: %s\n", program.c_str(), options.levelPath().c_str(),
                    problem.c_str());
        return kUsage;
    }
    PlaytestSetup setup;
    setup.levelPath = options.levelPath();
    setup.recordPath = options.recordPath();
    if (!options.watchPath().empty()) {
        std::string error;
        if (!ReplayFile::load(options.watchPath(), setup.replay, error)) {
            std::printf("%s: replay %s: %s\n", program.c_str(), options.watchPath().c_str(),
                        error.c_str());
            return kUsage;
        }
    }
    // Ctrl+C, kill and a closed terminal end the play-test as Escape does, the
    // run so far recorded.
    StopSignals::install();
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    if (const char* driver = VideoDriverCheck::invisibleDriver();
        driver != nullptr || SDL_GetCurrentVideoDriver() == nullptr) {
        std::printf("%s: %s\n", program.c_str(),
                    driver != nullptr ? VideoDriverCheck::reason(driver).c_str()
                                      : "no video driver could start");
        SDL_Quit();
        return kUsage;
    }
    TTF_Init();
    int status = kUsage;
    {
        PlaytestSession session(std::move(setup));
        if (session.ok()) {
            status = session.run();
        }
    }
    TTF_Quit();
    SDL_Quit();
    return status;
}
