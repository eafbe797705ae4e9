#include "tools/levelcheck/PlanFindings.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "tools/levelcheck/LevelFormCheck.h"
#include "tools/levelcheck/RouteReplay.h"

namespace {
constexpr int kCell = 32;
// Cells in the way listed at most.
constexpr int kMaxBlockers = 6;

std::string cellText(const Cell& cell) {
    return std::to_string(cell.row + 1) + ":" + std::to_string(cell.column + 1);
}

std::string seconds(size_t steps) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s",
                  static_cast<double>(steps) * RouteReplay::kStepSeconds);
    return text;
}

int floorDiv(int value) {
    return value >= 0 ? value / kCell : -((-value + kCell - 1) / kCell);
}

bool isWallCode(char code) {
    return code == 'G' || code == 'U';
}
}  // namespace

void PlanFindings::report(const RoutePlan& plan, const LevelCells& level, int playerWidth,
                          int playerHeight, int coinsNeeded, LevelReport& report) {
    const Cell start = level.cellsOf('E').back();
    const Cell door = level.cellsOf('U').back();
    const std::vector<Cell>& coins = level.cellsOf('C');
    if (plan.verdict == RoutePlan::Verdict::Undecided) {
        report.add(start.row + 1, start.column + 1, Severity::Warning,
                   "completion is not decided: the search stopped at " + plan.stoppedBy +
                       " before it found a route or proved there is none");
        report.markUndecided();
        return;
    }
    const bool failed = plan.verdict == RoutePlan::Verdict::Impossible;
    reportCoins(plan, level, failed ? Severity::Error : Severity::Warning, report);
    if (!plan.doorReachable) {
        report.add(door.row + 1, door.column + 1, Severity::Error,
                   "door cannot be reached from the start");
    }
    if (failed) {
        const auto count = [](const std::vector<bool>& v) {
            return std::to_string(std::count(v.begin(), v.end(), true));
        };
        report.add(start.row + 1, start.column + 1, Severity::Error,
                   "no route found from the start that takes " + std::to_string(coinsNeeded) +
                       " coins and then reaches the door (" + count(plan.coinReachable) + " of " +
                       std::to_string(coins.size()) + " coins can be reached, the door " +
                       (plan.doorReachable ? "can" : "cannot") + "; " + count(plan.coinUsable) +
                       " coins leave the door within reach)");
        if (!plan.doorReachable ||
            std::count(plan.coinReachable.begin(), plan.coinReachable.end(), true) < coinsNeeded) {
            reportStuck(plan, level, playerWidth, playerHeight, report);
        }
        return;
    }
    std::string order;
    for (int coin : plan.coinOrder) {
        order += (order.empty() ? "" : ", ") + cellText(coins[coin]);
    }
    report.add(door.row + 1, door.column + 1, Severity::Note,
               "route found: " + std::to_string(plan.moves.size()) + " steps (" +
                   seconds(plan.moves.size()) + "), coins at " + order + ", then the door");
}

void PlanFindings::reportCoins(const RoutePlan& plan, const LevelCells& level, Severity severity,
                               LevelReport& report) {
    const std::vector<Cell>& coins = level.cellsOf('C');
    int listed = 0;
    for (size_t i = 0; i < coins.size(); ++i) {
        // Without a door in reach every coin would be a trap: the door is named instead.
        const bool unusable = plan.doorReachable ? !plan.coinUsable[i] : !plan.coinReachable[i];
        if (!unusable || listed++ >= LevelFormCheck::kMaxListed) {
            continue;
        }
        report.add(coins[i].row + 1, coins[i].column + 1, severity,
                   plan.coinReachable[i]
                       ? "coin can be taken, but then the door cannot be reached: a trap"
                       : "coin cannot be reached from the start");
    }
    if (listed > LevelFormCheck::kMaxListed) {
        report.addForFile(severity, std::to_string(listed - LevelFormCheck::kMaxListed) +
                                        " more coins cannot be taken on the way to the door");
    }
}

void PlanFindings::reportStuck(const RoutePlan& plan, const LevelCells& level, int playerWidth,
                               int playerHeight, LevelReport& report) {
    // Toward the door, or toward the coins when they lie on the other side.
    const Cell start = level.cellsOf('E').back();
    const Cell door = level.cellsOf('U').back();
    int goalColumn = door.column;
    const std::vector<Cell>& coins = level.cellsOf('C');
    for (size_t i = 0; plan.doorReachable && i < coins.size(); ++i) {
        if (!plan.coinReachable[i]) {
            goalColumn = coins[i].column;
            break;
        }
    }
    const bool right = goalColumn >= start.column;
    const PlayerState& far = right ? plan.furthestRight : plan.furthestLeft;
    const int reached = right ? floorDiv(far.x + playerWidth - 1) : floorDiv(far.x);
    const int next = right ? reached + 1 : reached - 1;
    const int top = std::max(0, floorDiv(far.y - kJumpRise));
    const int bottom = floorDiv(far.y + playerHeight - 1);
    std::string blockers;
    int listed = 0;
    for (int row = top; row <= bottom && row < static_cast<int>(level.rows().size()); ++row) {
        const std::string& line = level.rows()[row];
        if (next >= 0 && next < static_cast<int>(line.size()) && isWallCode(line[next]) &&
            listed++ < kMaxBlockers) {
            blockers += (blockers.empty() ? "" : ", ") + cellText(Cell{row, next}) + " '" +
                        line[next] + "'";
        }
    }
    const std::string where = "the player gets no further " +
                              std::string(right ? "right" : "left") + " than column " +
                              std::to_string(reached + 1) + " (row " +
                              std::to_string(floorDiv(far.y + playerHeight - 1) + 1) + ")";
    report.add(std::max(1, bottom + 1), std::max(1, reached + 1), Severity::Note,
               blockers.empty() ? where +
                                      "; nothing stands in the way there: the gap or drop "
                                      "beyond cannot be crossed"
                                : where + "; in the way: " + blockers);
}
