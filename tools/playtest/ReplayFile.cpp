#include "tools/playtest/ReplayFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {
struct NamedKey {
    const char* name;
    KeyFlag flag;
};

// In the order keys are written in a run.
constexpr NamedKey kKeys[] = {
    {"Left", KeyLeft}, {"Right", KeyRight}, {"Up", KeyUp},         {"Down", KeyDown},
    {"Z", KeyZ},       {"X", KeyX},         {"Return", KeyReturn}, {"Escape", KeyEscape},
};

bool keyFromName(const std::string& name, KeyFlag& flag) {
    for (const NamedKey& key : kKeys) {
        if (name == key.name) {
            flag = key.flag;
            return true;
        }
    }
    return false;
}

bool contains(const std::vector<KeyFlag>& keys, KeyFlag flag) {
    return std::find(keys.begin(), keys.end(), flag) != keys.end();
}

std::string atLine(int line) {
    return "line " + std::to_string(line) + ": ";
}
}  // namespace

const char* ReplayFile::keyName(KeyFlag flag) {
    for (const NamedKey& key : kKeys) {
        if (key.flag == flag) {
            return key.name;
        }
    }
    return "?";
}

long long ReplayFile::stepCount(const std::vector<KeyRun>& runs) {
    long long steps = 0;
    for (const KeyRun& run : runs) {
        steps += run.steps;
    }
    return steps;
}

bool ReplayFile::parse(const std::string& text, std::vector<KeyRun>& runs, std::string& error) {
    runs.clear();
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    long long total = 0;
    while (std::getline(lines, line)) {
        ++number;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) {
            continue;
        }
        char* end = nullptr;
        errno = 0;
        const long long steps = std::strtoll(word.c_str(), &end, 10);
        if (*end != '\0' || word[0] == '-' || word[0] == '+') {
            error = atLine(number) + "a step count expected, found '" + word + "'";
            return false;
        }
        if (errno == ERANGE || steps > kMaxSteps || total + steps > kMaxSteps) {
            error = atLine(number) + "the replay runs longer than any level needs (over " +
                    std::to_string(kMaxSteps) + " steps)";
            return false;
        }
        total += steps;
        KeyRun run;
        run.steps = static_cast<int>(steps);
        while (words >> word) {
            const bool fresh = word[0] == '+';
            KeyFlag flag = KeyEscape;
            if (!keyFromName(fresh ? word.substr(1) : word, flag)) {
                error = atLine(number) + "unknown key '" + word +
                        "' (keys: Left Right Up Down Z X Return Escape, '+' for a fresh press)";
                return false;
            }
            if (!contains(run.held, flag)) {
                run.held.push_back(flag);
            }
            if (fresh && !contains(run.fresh, flag)) {
                run.fresh.push_back(flag);
            }
        }
        runs.push_back(run);
    }
    if (total == 0) {
        error = "the replay holds no steps";
        return false;
    }
    return true;
}

bool ReplayFile::load(const std::string& path, std::vector<KeyRun>& runs, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (!fs::exists(status)) {
        error = "no such file";
        return false;
    }
    if (fs::is_directory(status)) {
        error = "it is a folder";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot be read";
        return false;
    }
    std::string text;
    char buffer[4096];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, static_cast<size_t>(file.gcount()));
        if (static_cast<long long>(text.size()) > kMaxFileBytes) {
            error = "larger than any replay (over " + std::to_string(kMaxFileBytes) + " bytes)";
            return false;
        }
    }
    if (file.bad()) {
        error = "cannot be read";
        return false;
    }
    if (text.empty()) {
        error = "the file is empty";
        return false;
    }
    return parse(text, runs, error);
}

std::string ReplayFile::format(const std::vector<KeyRun>& runs) {
    std::string text;
    for (const KeyRun& run : runs) {
        text += std::to_string(run.steps);
        for (const NamedKey& key : kKeys) {
            if (contains(run.held, key.flag)) {
                text += contains(run.fresh, key.flag) ? " +" : " ";
                text += key.name;
            }
        }
        text += '\n';
    }
    return text;
}
