#include "tests/game/support/ReplayScript.h"

#include <stdexcept>

namespace testsupport {

std::vector<ReplayRun> ReplayScript::parse(const std::string& text) {
    std::vector<ReplayRun> runs;
    std::string error;
    if (!ReplayFile::parse(text, runs, error)) {
        throw std::runtime_error("replay " + error);
    }
    return runs;
}

std::vector<ReplayRun> ReplayScript::load(const std::string& path) {
    std::vector<ReplayRun> runs;
    std::string error;
    if (!ReplayFile::load(path, runs, error)) {
        throw std::runtime_error("replay " + path + ": " + error);
    }
    return runs;
}

std::string ReplayScript::format(const std::vector<ReplayRun>& runs) {
    return ReplayFile::format(runs);
}

}  // namespace testsupport
