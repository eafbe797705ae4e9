#include "benchmarks/StressLevel.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {
constexpr int kGroundRow = StressLevel::kRows - 2;  // first of the two ground rows
constexpr int kFloorRow = kGroundRow - 1;           // where walkers, player and door stand
constexpr int kFirstWalkerColumn = 30;
constexpr int kWalkerSpacing = 9;
constexpr int kFirstBirdColumn = 40;
constexpr int kBirdSpacing = 24;
constexpr int kFirstBirdRow = 3;
constexpr int kBirdRows = 5;  // flying enemies start on rows 3 to 7 in turn
constexpr int kLedgeSpacing = 40;
constexpr int kLedgeRow = 9;
constexpr int kLedgeLength = 4;
constexpr int kPillarSpacing = 50;
constexpr int kCoinSpacing = 15;
constexpr int kCoinRow = 8;

std::vector<std::string> stressRows() {
    const int last = StressLevel::kColumns - 1;
    std::vector<std::string> rows(StressLevel::kRows, std::string(StressLevel::kColumns, '.'));
    for (int r = 0; r < StressLevel::kRows; ++r) {
        rows[r][0] = 'G';
        rows[r][last] = 'G';
    }
    rows[kGroundRow] = std::string(StressLevel::kColumns, 'G');
    rows[kGroundRow + 1] = std::string(StressLevel::kColumns, 'G');
    for (int k = kLedgeSpacing; k + kLedgeLength < last; k += kLedgeSpacing) {
        rows[kLedgeRow].replace(k, kLedgeLength, kLedgeLength, 'P');
    }
    for (int k = kPillarSpacing; k < last; k += kPillarSpacing) {
        rows[kFloorRow][k] = 'G';
    }
    for (int k = kCoinSpacing; k < last; k += kCoinSpacing) {
        rows[kCoinRow][k] = 'C';
    }
    for (int i = 0; i < StressLevel::kWalkingEnemies; ++i) {
        const int k = kFirstWalkerColumn + i * kWalkerSpacing;
        if (rows[kFloorRow][k] == 'G') {
            rows[kFloorRow][k + 1] = 'D';
        } else {
            rows[kFloorRow][k] = 'D';
        }
    }
    for (int i = 0; i < StressLevel::kFlyingEnemies; ++i) {
        rows[kFirstBirdRow + i % kBirdRows][kFirstBirdColumn + i * kBirdSpacing] = 'I';
    }
    rows[kFloorRow][2] = 'E';
    rows[kFloorRow][last - 2] = 'U';
    return rows;
}
}  // namespace

StressLevel::StressLevel() {
    char pattern[] = "/tmp/kestrun-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        return;
    }
    folder = pattern;
    file = folder + "/stress.txt";
    std::ofstream out(file);
    for (const std::string& row : stressRows()) {
        out << row << '\n';
    }
}

StressLevel::~StressLevel() {
    if (!file.empty()) {
        std::remove(file.c_str());
    }
    if (!folder.empty()) {
        rmdir(folder.c_str());
    }
}
