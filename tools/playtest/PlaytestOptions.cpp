#include "tools/playtest/PlaytestOptions.h"

#include "common/FileIdentity.h"

PlaytestOptions::PlaytestOptions(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            help = true;
        } else if (argument == "--record" || argument == "--watch") {
            if (i + 1 == arguments.size()) {
                problem = argument + " needs a file";
                return;
            }
            (argument == "--record" ? record : watch) = arguments[++i];
        } else {
            problem = "unknown option '" + argument + "'";
            return;
        }
    }
    if (help) {
        return;
    }
    if (files.size() != 1) {
        problem = files.empty() ? "no level file given" : "give exactly one level file";
    } else if (!record.empty() && !watch.empty()) {
        problem = "--record and --watch cannot be used together";
    } else {
        level = files.front();
        if (!record.empty() && FileIdentity::same(record, level)) {
            problem = "--record " + record + " would write over the level file itself";
        }
    }
}

std::string PlaytestOptions::usage(const std::string& program) {
    return "usage: " + program +
           " LEVEL_FILE [--record OUT | --watch REPLAY]\n"
           "Plays a level file with the game's own code, one 16 ms step of game time per\n"
           "frame. Run it from the folder that holds assets/.\n"
           "  --record OUT    write the run as a replay script when the level ends (or on Escape)\n"
           "  --watch REPLAY  watch a recorded run; the keyboard is ignored except Escape\n"
           "Return on the end screen plays again; Escape quits.\n"
           "Exit status: 0, or when watching 0 completed, 1 died, 3 the replay ran out;\n"
           "2 for a wrong command line or a file that cannot be used.\n";
}
