#include "tools/levelcheck/LevelChecker.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/characters/Player.h"
#include "game/media/Sprite.h"
#include "game/shell/FrameTime.h"
#include "game/world/LevelFile.h"
#include "game/world/LevelPlay.h"
#include "tools/levelcheck/LevelFormCheck.h"
#include "tools/levelcheck/PlanFindings.h"
#include "tools/levelcheck/RouteReplay.h"
#include "tools/levelcheck/RouteTargets.h"

namespace {
// The coin pickup's bitmap, whose size is the coin's box.
constexpr const char* kCoinBitmap = "assets/sprites/coin.bmp";
// Long enough for any frame timer to run out, so each call shows the next frame.
constexpr double kFrameAdvanceSeconds = 1.0;
std::string seconds(int steps) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", steps * RouteReplay::kStepSeconds);
    return text;
}

// The walking and flying enemy cells in reading order, as the game spawns them.
std::vector<Cell> enemyCells(const LevelCells& level) {
    std::vector<Cell> cells = level.cellsOf('D');
    const std::vector<Cell>& flying = level.cellsOf('I');
    cells.insert(cells.end(), flying.begin(), flying.end());
    std::sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    return cells;
}

// Whether every animation frame of the player has the size of the current one.
bool framesShareSize(Player& player) {
    const int width = player.getWidth();
    const int height = player.getHeight();
    const double savedDelta = deltaTime;
    deltaTime = kFrameAdvanceSeconds;
    bool same = true;
    for (int i = 0; i < player.frameCount(); ++i) {
        player.tickAnimation();
        player.advanceAnimation();
        same = same && player.getWidth() == width && player.getHeight() == height;
    }
    deltaTime = savedDelta;
    return same;
}
}  // namespace

LevelChecker::LevelChecker(SDL_Renderer* renderer_, CheckLimits limits_)
    : renderer(renderer_), limits(limits_) {}

LevelReport LevelChecker::check(const std::string& path) {
    found.clear();
    LevelReport report(path);
    std::vector<std::string> rows;
    if (!readRows(path, report, rows)) {
        return report;
    }
    const LevelCells level(std::move(rows));
    LevelFormCheck::check(level, report);
    if (level.rows().empty() || !canBePlayed(level, report)) {
        return report;
    }
    RouteReplay loaded(renderer, path);
    LevelPlay& play = loaded.levelPlay();
    checkSpawns(play, level, report);
    if (play.getPlayer() == nullptr || play.getDoor() == nullptr ||
        level.cellsOf('C').size() < static_cast<size_t>(LevelFormCheck::kCoinsNeeded)) {
        return report;
    }
    checkRoute(play, level, path, report);
    return report;
}

bool LevelChecker::readRows(const std::string& path, LevelReport& report,
                            std::vector<std::string>& rows) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        report.addForFile(Severity::Error, "cannot open the level file: no such file");
        report.markFileError();
        return false;
    }
    if (fs::is_directory(status)) {
        report.addForFile(Severity::Error, "cannot read the level file: it is a folder");
        report.markFileError();
        return false;
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > kMaxFileBytes) {
        report.addForFile(Severity::Error, "the file has " + std::to_string(size) +
                                               " bytes, more than any level (the checker reads " +
                                               std::to_string(kMaxFileBytes) + " at most)");
        report.markFileError();
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        report.addForFile(Severity::Error, "cannot open the level file");
        report.markFileError();
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (bytes.size() > kMaxFileBytes) {
        report.addForFile(Severity::Error, "the file is larger than any level");
        report.markFileError();
        return false;
    }
    rows = LevelFile::splitRows(bytes);
    return true;
}

bool LevelChecker::canBePlayed(const LevelCells& level, LevelReport& report) {
    size_t entities = 0;
    for (char code : std::string("EDICHAU")) {
        entities += level.cellsOf(code).size();
    }
    if (level.cellCount() > kMaxPlayedCells || entities > kMaxEntities) {
        report.addForFile(Severity::Warning, "the level is too large to play through (" +
                                                 std::to_string(level.cellCount()) + " cells, " +
                                                 std::to_string(entities) +
                                                 " entities); stuck entities and " +
                                                 "completion are not checked");
        return false;
    }
    return true;
}

void LevelChecker::checkSpawns(LevelPlay& play, const LevelCells& level, LevelReport& report) {
    Player* player = play.getPlayer();
    if (player != nullptr) {
        const Cell start = level.cellsOf('E').back();
        const SDL_Point p = player->getPosition();
        if (player->getWidth() == 0 || player->getHeight() == 0) {
            report.addForFile(Severity::Error,
                              "the player's bitmaps did not load: run the checker from the "
                              "folder that holds assets/");
        } else if (player->collidesAt(p.x, p.y)) {
            report.add(start.row + 1, start.column + 1, Severity::Error,
                       "the player starts stuck: its " + std::to_string(player->getWidth()) + "x" +
                           std::to_string(player->getHeight()) + " box touches a wall");
        }
        if (!framesShareSize(*player)) {
            report.add(start.row + 1, start.column + 1, Severity::Note,
                       "the player's run frames differ in size; the route search uses the "
                       "first frame's box");
        }
    }
    const std::vector<Cell> cells = enemyCells(level);
    const auto& enemies = play.getEnemies();
    for (size_t i = 0; i < enemies.size() && i < cells.size(); ++i) {
        const SDL_Point p = enemies[i]->getPosition();
        if (enemies[i]->collidesAt(p.x, p.y)) {
            const bool walking = level.rows()[cells[i].row][cells[i].column] == 'D';
            report.add(cells[i].row + 1, cells[i].column + 1, Severity::Error,
                       std::string(walking ? "walking enemy 'D'" : "flying enemy 'I'") +
                           " starts stuck: its " + std::to_string(enemies[i]->getWidth()) + "x" +
                           std::to_string(enemies[i]->getHeight()) + " box touches a wall");
        }
    }
    if (!cells.empty()) {
        report.add(cells.front().row + 1, cells.front().column + 1, Severity::Note,
                   "the completion check leaves out the " + std::to_string(cells.size()) + " enem" +
                       (cells.size() == 1 ? "y" : "ies") +
                       "; the player may still have to dodge or shoot them");
    }
}

void LevelChecker::checkRoute(LevelPlay& play, const LevelCells& level, const std::string& path,
                              LevelReport& report) {
    Player& player = *play.getPlayer();
    if (player.getWidth() == 0 || player.getHeight() == 0) {
        return;
    }
    MoveSimulator simulator(player, &play.getTileMap());
    const Sprite coin(renderer, kCoinBitmap);
    RouteTargets targets(level, coin.getWidth(), coin.getHeight(), play.getDoor(), simulator);
    SearchBudget budget(limits.time, limits.statesPerSearch);
    RoutePlanner planner(simulator, targets, budget, level.widestRow(),
                         static_cast<int>(level.rows().size()), LevelFormCheck::kCoinsNeeded);
    const SDL_Point start = player.getPosition();
    const RoutePlan plan = planner.plan(PlayerState{start.x, start.y, 0.0f});
    PlanFindings::report(plan, level, player.getWidth(), player.getHeight(),
                         LevelFormCheck::kCoinsNeeded, report);
    if (plan.verdict == RoutePlan::Verdict::Found) {
        found = plan.moves;
        reportReplay(path, level, report);
    }
}

void LevelChecker::reportReplay(const std::string& path, const LevelCells& level,
                                LevelReport& report) {
    const Cell start = level.cellsOf('E').back();
    RouteReplay replay(renderer, path);
    const ReplayOutcome outcome = replay.play(found);
    if (outcome.completedAtStep == ReplayOutcome::kNever) {
        report.add(start.row + 1, start.column + 1, Severity::Error,
                   "the route found does not complete the level when played in the game "
                   "(a fault of the checker: please report it)");
        found.clear();
        return;
    }
    if (outcome.diedAtStep != ReplayOutcome::kNever &&
        outcome.diedAtStep <= outcome.completedAtStep) {
        report.add(start.row + 1, start.column + 1, Severity::Note,
                   "played with the enemies, a player on this route dies at step " +
                       std::to_string(outcome.diedAtStep) + " (" + seconds(outcome.diedAtStep) +
                       ")");
    }
}
