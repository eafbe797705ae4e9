#include "tests/game/support/ReplayScript.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace {

struct KeyName {
    const char* name;
    KeyFlag flag;
};

constexpr KeyName kKeyNames[] = {
    {"Escape", KeyEscape}, {"X", KeyX},   {"Z", KeyZ},       {"Left", KeyLeft},
    {"Right", KeyRight},   {"Up", KeyUp}, {"Down", KeyDown}, {"Return", KeyReturn},
};

KeyFlag keyFromName(const std::string& name, int lineNumber) {
    for (const KeyName& key : kKeyNames) {
        if (name == key.name) {
            return key.flag;
        }
    }
    throw std::runtime_error("replay line " + std::to_string(lineNumber) + ": unknown key '" +
                             name + "'");
}

const char* nameOf(KeyFlag flag) {
    for (const KeyName& key : kKeyNames) {
        if (key.flag == flag) {
            return key.name;
        }
    }
    return "?";
}

}  // namespace

std::vector<ReplayRun> ReplayScript::parse(const std::string& text) {
    std::vector<ReplayRun> runs;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) {
            continue;
        }
        ReplayRun run;
        try {
            run.steps = std::stoi(word);
        } catch (const std::exception&) {
            throw std::runtime_error("replay line " + std::to_string(lineNumber) +
                                     ": step count expected");
        }
        if (run.steps < 0) {
            throw std::runtime_error("replay line " + std::to_string(lineNumber) +
                                     ": negative step count");
        }
        while (words >> word) {
            const bool fresh = word[0] == '+';
            const KeyFlag flag = keyFromName(fresh ? word.substr(1) : word, lineNumber);
            run.held.push_back(flag);
            if (fresh) {
                run.fresh.push_back(flag);
            }
        }
        runs.push_back(run);
    }
    return runs;
}

std::vector<ReplayRun> ReplayScript::load(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot open replay " + path);
    }
    std::stringstream text;
    text << in.rdbuf();
    return parse(text.str());
}

std::string ReplayScript::format(const std::vector<ReplayRun>& runs) {
    std::string text;
    for (const ReplayRun& run : runs) {
        text += std::to_string(run.steps);
        for (KeyFlag flag : run.held) {
            bool fresh = false;
            for (KeyFlag f : run.fresh) {
                fresh = fresh || f == flag;
            }
            text += fresh ? " +" : " ";
            text += nameOf(flag);
        }
        text += '\n';
    }
    return text;
}

}  // namespace testsupport
