// kestrun_levelcheck [--replay OUT] FILE...: checks level files and prints what
// it finds as FILE:ROW:COLUMN: error|warning|note: message lines and a summary.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "common/AssetFolder.h"
#include "common/FileIdentity.h"
#include "common/SafeFileWriter.h"
#include "tools/levelcheck/CommandLine.h"
#include "tools/levelcheck/LevelChecker.h"
#include "tools/levelcheck/RouteReplay.h"

namespace {
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kErrorsFound = 1;
constexpr int kFileError = 2;

// The most serious of two exit statuses: 2 (file), 1 (errors), 3 (not decided), 0.
int worse(int a, int b) {
    constexpr int kRank[] = {0, 2, 3, 1};
    return kRank[a] >= kRank[b] ? a : b;
}

bool writeReplay(const std::string& out, const std::string& level, const std::vector<Move>& route,
                 std::string& problem) {
    std::ostringstream text;
    text << "# Route through " << level << " found by kestrun_levelcheck: " << route.size()
         << " steps.\n"
         << RouteReplay::format(route);
    return SafeFileWriter::write(out, text.str(), problem);
}
}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string program = argc > 0 ? argv[0] : "kestrun_levelcheck";
    const CommandLine line(arguments);
    if (line.wantsHelp()) {
        std::fputs(CommandLine::usage(program).c_str(), stdout);
        return EXIT_SUCCESS;
    }
    if (!line.isValid()) {
        std::fprintf(stderr, "%s: %s\n%s", program.c_str(), line.error().c_str(),
                     CommandLine::usage(program).c_str());
        return CommandLine::kUsageStatus;
    }
    for (const std::string& file : line.files()) {
        if (!line.replayPath().empty() && FileIdentity::same(line.replayPath(), file)) {
            std::fprintf(stderr, "%s: --replay %s would write over the level file %s\n",
                         program.c_str(), line.replayPath().c_str(), file.c_str());
            return CommandLine::kUsageStatus;
        }
    }
    if (!AssetFolder::check("assets", "kestrun_levelcheck",
                            "~/.local/share/kestrun2 once the game is installed")) {
        return kFileError;
    }
    // Headless unless the caller chose drivers: nothing is shown or heard.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s: SDL could not start: %s\n", program.c_str(), SDL_GetError());
        return kErrorsFound;
    }
    TTF_Init();
    SDL_Window* window =
        SDL_CreateWindow("kestrun_levelcheck", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                         kWindowWidth, kWindowHeight, SDL_WINDOW_HIDDEN);
    SDL_Renderer* renderer =
        window != nullptr ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
    int status = EXIT_SUCCESS;
    if (renderer == nullptr) {
        std::fprintf(stderr, "%s: no renderer: %s\n", program.c_str(), SDL_GetError());
        status = kErrorsFound;
    } else {
        LevelChecker checker(renderer);
        for (const std::string& file : line.files()) {
            const LevelReport report = checker.check(file);
            std::fputs(report.formatLines().c_str(), stdout);
            std::fputs(report.summaryLine().c_str(), stdout);
            std::fflush(stdout);
            status = worse(status, report.exitStatus());
            if (!line.replayPath().empty()) {
                if (checker.route().empty()) {
                    std::fprintf(stderr, "%s: no route found, %s not written\n", program.c_str(),
                                 line.replayPath().c_str());
                    status = worse(status, kErrorsFound);
                } else if (std::string problem;
                           !writeReplay(line.replayPath(), file, checker.route(), problem)) {
                    std::fprintf(stderr, "%s: cannot write %s: %s\n", program.c_str(),
                                 line.replayPath().c_str(), problem.c_str());
                    status = worse(status, kErrorsFound);
                }
            }
        }
        SDL_DestroyRenderer(renderer);
    }
    if (window != nullptr) {
        SDL_DestroyWindow(window);
    }
    TTF_Quit();
    SDL_Quit();
    return status;
}
