#include "tools/levelcheck/RouteReplay.h"

#include <algorithm>

#include "game/shell/FrameTime.h"
#include "game/world/LevelPlay.h"

namespace {
constexpr int kCompleted = 1;

struct MoveKeys {
    bool right = false;
    bool left = false;
    bool jump = false;
    bool down = false;
};

MoveKeys keysOf(Move move) {
    MoveKeys k;
    k.right = move == Move::Right || move == Move::RightJump;
    k.left = move == Move::Left || move == Move::LeftJump;
    k.jump = move == Move::Jump || move == Move::RightJump || move == Move::LeftJump;
    k.down = move == Move::Down;
    return k;
}

std::string runLine(int steps, Move move) {
    const MoveKeys k = keysOf(move);
    std::string line = std::to_string(steps);
    line += k.right ? " Right" : "";
    line += k.left ? " Left" : "";
    line += k.jump ? " +Z" : "";
    line += k.down ? " +Down" : "";
    return line + "\n";
}

SDL_Keycode keycodeOf(KeyFlag flag) {
    switch (flag) {
        case KeyRight:
            return SDLK_RIGHT;
        case KeyLeft:
            return SDLK_LEFT;
        case KeyZ:
            return SDLK_z;
        case KeyDown:
            return SDLK_DOWN;
        default:
            return SDLK_UNKNOWN;
    }
}
}  // namespace

std::string RouteReplay::format(const std::vector<Move>& moves) {
    std::string text;
    size_t i = 0;
    while (i < moves.size()) {
        const MoveKeys k = keysOf(moves[i]);
        size_t end = i + 1;
        if (!k.jump && !k.down) {
            while (end < moves.size() && moves[end] == moves[i]) {
                ++end;
            }
        }
        text += runLine(static_cast<int>(end - i), moves[i]);
        i = end;
    }
    return text;
}

RouteReplay::RouteReplay(SDL_Renderer* renderer, const std::string& path)
    : level(std::make_unique<LevelPlay>(renderer, keys, nullptr, nullptr, *this)) {
    level->loadLevelFile(path);
}

RouteReplay::~RouteReplay() = default;

void RouteReplay::setKey(KeyFlag flag, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = keycodeOf(flag);
    keys.handleKeyEvent(event);
    held.erase(std::remove(held.begin(), held.end(), flag), held.end());
    if (down) {
        held.push_back(flag);
    }
}

ReplayOutcome RouteReplay::play(const std::vector<Move>& moves) {
    for (Move move : moves) {
        const MoveKeys k = keysOf(move);
        const std::pair<KeyFlag, bool> wanted[] = {
            {KeyRight, k.right}, {KeyLeft, k.left}, {KeyZ, k.jump}, {KeyDown, k.down}};
        for (const auto& [flag, want] : wanted) {
            const bool isHeld = std::find(held.begin(), held.end(), flag) != held.end();
            const bool press = flag == KeyZ || flag == KeyDown;
            if (want && (!isHeld || press)) {
                setKey(flag, true);
            } else if (!want && isHeld) {
                setKey(flag, false);
            }
        }
        deltaTime = kStepSeconds;
        ++step;
        level->update();
        outcome.steps = step;
        if (outcome.completedAtStep != ReplayOutcome::kNever) {
            break;
        }
    }
    return outcome;
}

void RouteReplay::showLevelEnd(int, float, int result) {
    int& first = result == kCompleted ? outcome.completedAtStep : outcome.diedAtStep;
    if (first == ReplayOutcome::kNever) {
        first = step;
    }
}
