#pragma once

#include <string>
#include <vector>

// The play-test's command line:
//   kestrun_playtest LEVEL_FILE [--record OUT | --watch REPLAY]
class PlaytestOptions {
public:
    // Exit status for a wrong command line or a file that cannot be used.
    static constexpr int kUsageStatus = 2;

    // Reads the arguments after the program name; never exits by itself.
    explicit PlaytestOptions(const std::vector<std::string>& arguments);

    // False when the arguments are wrong; error() then says why.
    bool isValid() const { return problem.empty(); }
    const std::string& error() const { return problem; }
    bool wantsHelp() const { return help; }
    const std::string& levelPath() const { return level; }
    // Where to write the run; empty when not recording.
    const std::string& recordPath() const { return record; }
    // The replay to watch; empty when playing from the keyboard.
    const std::string& watchPath() const { return watch; }
    static std::string usage(const std::string& program);

private:
    std::string level;
    std::string record;
    std::string watch;
    std::string problem;
    bool help = false;
};
