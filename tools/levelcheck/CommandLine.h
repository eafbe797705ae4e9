#pragma once

#include <string>
#include <vector>

// The checker's command line: kestrun_levelcheck [--replay OUT] FILE...
class CommandLine {
public:
    // Exit status when the command line is wrong.
    static constexpr int kUsageStatus = 2;

    // Reads the arguments after the program name; never exits by itself.
    explicit CommandLine(const std::vector<std::string>& arguments);

    // False when the arguments are wrong; error() then says why.
    bool isValid() const { return problem.empty(); }
    const std::string& error() const { return problem; }
    // Whether --help was given; the usage is then printed and nothing checked.
    bool wantsHelp() const { return help; }
    // The level files to check, in the order given.
    const std::vector<std::string>& files() const { return levelFiles; }
    // Where to write the route as a replay script; empty when not asked for.
    const std::string& replayPath() const { return replay; }
    // The usage text, naming the program as program.
    static std::string usage(const std::string& program);

private:
    std::vector<std::string> levelFiles;
    std::string replay;
    std::string problem;
    bool help = false;
};
