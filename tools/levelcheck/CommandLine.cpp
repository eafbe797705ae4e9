#include "tools/levelcheck/CommandLine.h"

CommandLine::CommandLine(const std::vector<std::string>& arguments) {
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            levelFiles.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            help = true;
        } else if (argument == "--replay") {
            if (i + 1 == arguments.size()) {
                problem = "--replay needs a file to write";
                return;
            }
            replay = arguments[++i];
        } else {
            problem = "unknown option '" + argument + "'";
            return;
        }
    }
    if (help) {
        return;
    }
    if (levelFiles.empty()) {
        problem = "no level file given";
    } else if (!replay.empty() && levelFiles.size() != 1) {
        problem = "--replay needs exactly one level file";
    }
}

std::string CommandLine::usage(const std::string& program) {
    return "usage: " + program +
           " [--replay OUT] FILE...\n"
           "Checks game level files: their form, and whether a route from the start takes\n"
           "8 coins and then reaches the door. Run it from the folder that holds assets/.\n"
           "  --replay OUT  write the route found as a replay script (one FILE only)\n"
           "Exit status: 0 completable with no errors, 1 errors (an impossible level too),\n"
           "2 wrong command line or a file that cannot be read, 3 no error found but\n"
           "completion not decided.\n";
}
