#include "tests/leak/SessionLevel.h"

#include <string>

namespace leaktest {

namespace {
constexpr int kWidth = 100;
constexpr int kRows = 15;
constexpr int kPlayerRow = 12;
constexpr int kChargesFrom = 3;
constexpr int kCharges = 80;
constexpr int kWallColumn = 87;
constexpr int kEnemyColumns[] = {90, 93, 96};

std::string build() {
    std::string level;
    for (int r = 0; r < kRows; ++r) {
        std::string row(kWidth, '.');
        row.front() = 'G';
        row.back() = 'G';
        if (r > kPlayerRow) {
            row.assign(kWidth, 'G');
        } else if (r == kPlayerRow) {
            row[2] = 'E';
            row.replace(kChargesFrom, kCharges, std::string(kCharges, 'A'));
            row[kWallColumn] = 'G';
            for (int column : kEnemyColumns) {
                row[static_cast<size_t>(column)] = 'D';
            }
        }
        level += row + "\n";
    }
    return level;
}
}  // namespace

const char* SessionLevel::text() {
    static const std::string kText = build();
    return kText.c_str();
}

}  // namespace leaktest
