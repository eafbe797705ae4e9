#include "tests/levelcheck/LevelCheckFixture.h"

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "tests/game/support/ReplayScript.h"
#include "tests/game/support/TestLevels.h"

namespace levelchecktest {

ProgramRun runChecker(const std::string& arguments) {
    // Without SDL driver settings: the program must choose headless drivers itself.
    const std::string command = std::string("env -u SDL_VIDEODRIVER -u SDL_AUDIODRIVER ") +
                                KESTRUN_LEVELCHECK_PROGRAM + " " + arguments + " 2>&1";
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.output.append(buffer.data(), got);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

void LevelCheckFixture::SetUp() {
    prepareAssets();
    harness = std::make_unique<testsupport::LevelHarness>();
}

void LevelCheckFixture::TearDown() {
    harness.reset();
}

void LevelCheckFixture::prepareAssets() {
    folder.linkRepositoryAssetsExceptBestTimes();
}

LevelReport LevelCheckFixture::check(const std::vector<std::string>& rows, CheckLimits limits) {
    folder.writeFile("level.txt", testsupport::levelText(rows));
    LevelChecker checker(harness->window().renderer(), limits);
    LevelReport report = checker.check("level.txt");
    route = checker.route();
    return report;
}

std::vector<testsupport::LevelEnd> LevelCheckFixture::replay(const std::string& script) {
    harness->loadLevelFile("level.txt");
    harness->run(testsupport::ReplayScript::parse(script));
    return harness->ends();
}

bool LevelCheckFixture::routeUses(Move move) const {
    return std::find(route.begin(), route.end(), move) != route.end();
}

}  // namespace levelchecktest
