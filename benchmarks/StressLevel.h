#pragma once

#include <string>

// A level file for the step benchmark, written into a fresh temporary folder and
// removed with it: 1000 columns, 40 flying and 100 walking enemies spread along the
// whole length, coins, ledges and low pillars, the player at the left end (far from
// most flying enemies) and the door at the right end.
class StressLevel {
public:
    static constexpr int kColumns = 1000;
    static constexpr int kRows = 15;
    static constexpr int kFlyingEnemies = 40;
    static constexpr int kWalkingEnemies = 100;

    // Writes the file; path() is empty when the folder could not be made.
    StressLevel();
    // Removes the file and the folder.
    ~StressLevel();
    StressLevel(const StressLevel&) = delete;
    StressLevel& operator=(const StressLevel&) = delete;

    // Absolute path of the level file.
    const std::string& path() const { return file; }

private:
    std::string folder;
    std::string file;
};
