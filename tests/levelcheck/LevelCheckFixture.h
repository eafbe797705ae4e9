#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/game/support/LevelHarness.h"
#include "tests/support/ScratchFolder.h"
#include "tools/levelcheck/LevelChecker.h"

namespace levelchecktest {

// What the checker program printed (standard output and error) and its exit status.
struct ProgramRun {
    int status = -1;
    std::string output;
};

// Runs the built checker program with arguments (already quoted for the shell)
// in the current working directory, with no SDL driver chosen in its environment.
ProgramRun runChecker(const std::string& arguments);

// A scratch folder with the repository's assets and a level harness (headless
// window, audio, level play) in it; levels are written to level.txt and checked
// with the checker's library, and routes replayed through the harness.
class LevelCheckFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes assets/ in the scratch folder; the default links the repository's.
    virtual void prepareAssets();

    // Writes rows to level.txt and checks it; the route found is kept in route.
    LevelReport check(const std::vector<std::string>& rows, CheckLimits limits = CheckLimits());
    // Loads level.txt in the harness and plays script; returns the level ends seen.
    std::vector<testsupport::LevelEnd> replay(const std::string& script);
    // Whether route holds move.
    bool routeUses(Move move) const;

    testsupport::ScratchFolder folder;
    std::unique_ptr<testsupport::LevelHarness> harness;
    std::vector<Move> route;
};

}  // namespace levelchecktest
