#include "tests/editor/EditorTestSupport.h"

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace editortest {

namespace {
// A program run that takes longer than this has hung.
constexpr int kProgramTimeLimitMs = 20000;
constexpr int kPollMs = 10;
constexpr int kTileSize = 32;
// Exit status of a child whose program could not be started.
constexpr int kExecFailed = 127;

// Waits for pid with a time limit; kills it when the limit passes.
int waitWithLimit(pid_t pid) {
    int status = 0;
    for (int waited = 0; waited < kProgramTimeLimitMs; waited += kPollMs) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        SDL_Delay(kPollMs);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

// Reads the child's standard output until it closes (or the time limit passes),
// then collects its exit status.
ChildResult collect(pid_t pid, int fd) {
    ChildResult result;
    char chunk[4096];
    for (int waited = 0; waited < kProgramTimeLimitMs;) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, kPollMs) <= 0) {
            waited += kPollMs;
            continue;
        }
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got <= 0) {
            break;
        }
        result.output.append(chunk, static_cast<size_t>(got));
    }
    close(fd);
    result.exitCode = waitWithLimit(pid);
    return result;
}
}  // namespace

void pushKey(SDL_Keycode key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

void pushButton(Uint8 button, bool down, int x, int y) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void pushMotion(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    SDL_PushEvent(&event);
}

std::string levelText(int columns, int rows, char fill) {
    std::string text;
    for (int r = 0; r < rows; ++r) {
        text += std::string(static_cast<size_t>(columns), fill) + "\n";
    }
    return text;
}

void makeAssetFolder(const std::string& level) {
    std::filesystem::create_directories("assets");
    std::filesystem::create_directory_symlink("assets", "Assets");
    std::ofstream("Assets/level.txt", std::ios::binary) << level;
}

void writeBitmap(const std::string& path, Uint8 r, Uint8 g, Uint8 b) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, kTileSize, kTileSize, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, r, g, b));
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
}

ChildResult runInChild(const std::function<int()>& body) {
    std::fflush(stdout);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeEnds[0]);
        dup2(pipeEnds[1], STDOUT_FILENO);
        const int code = body();
        std::fflush(stdout);
        _exit(code);
    }
    close(pipeEnds[1]);
    return collect(pid, pipeEnds[0]);
}

ChildResult runEditorProgram(const std::string& folder, const std::vector<std::string>& env) {
    std::fflush(stdout);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeEnds[0]);
        dup2(pipeEnds[1], STDOUT_FILENO);
        std::FILE* nothing = std::fopen("/dev/null", "r");
        if (nothing != nullptr) {
            dup2(fileno(nothing), STDIN_FILENO);
        }
        for (const std::string& setting : env) {
            putenv(const_cast<char*>(setting.c_str()));
        }
        if (chdir(folder.c_str()) == 0) {
            execl(KESTRUN_EDITOR_PROGRAM, KESTRUN_EDITOR_PROGRAM, static_cast<char*>(nullptr));
        }
        _exit(kExecFailed);
    }
    close(pipeEnds[1]);
    return collect(pid, pipeEnds[0]);
}

std::vector<std::string> filesStartingWith(const std::string& folder, const std::string& prefix) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.rfind(prefix, 0) == 0) {
            names.push_back(name);
        }
    }
    closedir(dir);
    return names;
}

}  // namespace editortest
