// Files that are missing, huge, binary or hostile to the search: the checker
// answers each with findings, quickly, and never stops.
#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tests/levelcheck/LevelCheckFixture.h"

namespace levelchecktest {
namespace {

const std::vector<std::string> kFlatRoom = {
    "GGGGGGGGGGGGGGGGGGGG",
    "G..................G",
    "G.E.CCCCCCCC....U..G",
    "GGGGGGGGGGGGGGGGGGGG",
};

using CheckerRobustnessTest = LevelCheckFixture;

TEST_F(CheckerRobustnessTest, MissingFileAndFolderAreErrors) {
    LevelChecker checker(harness->window().renderer());
    const LevelReport missing = checker.check("no-such-level.txt");
    EXPECT_TRUE(missing.has(Severity::Error, 1, 1, "no such file"));
    folder.writeFile("levels/inside.txt", "x");
    const LevelReport directory = checker.check("levels");
    EXPECT_TRUE(directory.has(Severity::Error, 1, 1, "it is a folder"));
}

TEST_F(CheckerRobustnessTest, HugeFileIsRefusedUnread) {
    folder.writeFile("level.txt", std::string(LevelChecker::kMaxFileBytes + 1, 'G'));
    LevelChecker checker(harness->window().renderer());
    const LevelReport report = checker.check("level.txt");
    EXPECT_TRUE(report.has(Severity::Error, 1, 1, "more than any level"));
    EXPECT_EQ(report.diagnostics().size(), 1u);
}

TEST_F(CheckerRobustnessTest, BinaryNoiseGivesFindingsNotACrash) {
    std::mt19937 noise(7);
    std::string bytes(1 << 16, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(noise() & 0xFF);
    }
    folder.writeFile("level.txt", bytes);
    LevelChecker checker(harness->window().renderer());
    const LevelReport report = checker.check("level.txt");
    EXPECT_GT(report.errorCount() + report.warningCount(), 0);
    EXPECT_TRUE(report.has(Severity::Note, "'\\x00' is not a cell code"));
    EXPECT_TRUE(report.has(Severity::Note, "more characters are not cell codes"));
    // Every kind of finding is listed a few times at most, then counted.
    EXPECT_LT(report.diagnostics().size(), 100u) << report.formatLines();
}

TEST_F(CheckerRobustnessTest, LevelTooLargeToSearchIsWarnedNotPlayed) {
    // 1100 rows of 1000 cells: more cells than the checker plays through.
    std::vector<std::string> rows(1100, std::string(1000, '.'));
    rows.front().replace(0, 11, "E.CCCCCCCCU");
    const auto started = std::chrono::steady_clock::now();
    const LevelReport report = check(rows);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    EXPECT_TRUE(report.has(Severity::Warning, 1, 1, "too large to play through"));
    EXPECT_EQ(report.errorCount(), 0) << report.formatLines();
}

TEST_F(CheckerRobustnessTest, PlayerFallingOutOfTheLevelEndsTheSearch) {
    // Nothing holds the player: it falls out of the level at once.
    const LevelReport report = check({
        "....CCCCCCCC........",
        "....................",
        "....................",
        "..E.............U...",
        "....................",
    });
    EXPECT_TRUE(report.has(Severity::Error, 1, 5, "coin cannot be reached"));
    EXPECT_TRUE(report.has(Severity::Error, 4, 17, "door cannot be reached"));
    EXPECT_TRUE(report.has(Severity::Error, 4, 3, "0 of 8 coins can be reached"))
        << report.formatLines();
}

TEST_F(CheckerRobustnessTest, SearchBoundsLeaveCompletionUndecided) {
    CheckLimits fewStates;
    fewStates.statesPerSearch = 100;
    const LevelReport bounded = check(kFlatRoom, fewStates);
    EXPECT_TRUE(bounded.has(Severity::Warning, 3, 3, "stopped at the limit of 100 states"))
        << bounded.formatLines();
    EXPECT_EQ(bounded.errorCount(), 0);
    EXPECT_EQ(bounded.exitStatus(), 3);
    EXPECT_TRUE(route.empty());

    CheckLimits noTime;
    noTime.time = std::chrono::milliseconds(0);
    const LevelReport late = check(kFlatRoom, noTime);
    EXPECT_TRUE(late.has(Severity::Warning, "not decided: the search stopped at the time limit"))
        << late.formatLines();
    EXPECT_TRUE(route.empty());
}

TEST_F(CheckerRobustnessTest, EnemiesAreLeftOutAndANoteSaysSo) {
    std::vector<std::string> rows = kFlatRoom;
    rows[1][8] = 'I';
    rows[1][12] = 'D';
    const LevelReport report = check(rows);
    EXPECT_TRUE(report.has(Severity::Note, 2, 9, "leaves out the 2 enemies"));
    EXPECT_EQ(report.errorCount(), 0) << report.formatLines();
    EXPECT_FALSE(route.empty());
}

TEST_F(CheckerRobustnessTest, RouteThroughAPackOfEnemiesIsNotedAsDeadly) {
    // Walking enemies every three cells along the only way: each touch costs 25
    // health, so the route that ignores them meets its death.
    const LevelReport report = check({
        "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
        "G......................................G",
        "G.E.CCCCCCCC..D..D..D..D..D..D..D..D.U.G",
        "GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG",
    });
    EXPECT_EQ(report.errorCount(), 0) << report.formatLines();
    EXPECT_TRUE(report.has(Severity::Note, 3, 3, "a player on this route dies at step"))
        << report.formatLines();
    EXPECT_FALSE(route.empty());
}

// The same repository assets, except a player whose run frames are 40 x 40
// pixels (one of them 38 wide): too big for one cell.
class BigPlayerTest : public LevelCheckFixture {
protected:
    static constexpr int kSize = 40;
    static constexpr int kNarrowFrame = 5;

    void prepareAssets() override;
};

void BigPlayerTest::prepareAssets() {
    namespace fs = std::filesystem;
    const fs::path source = fs::path(testsupport::repositoryRoot()) / "assets";
    const fs::path target = fs::path(folder.path()) / "assets";
    fs::create_directories(target / "sprites" / "player");
    for (const auto& entry : fs::directory_iterator(source)) {
        if (entry.path().filename() != "sprites") {
            fs::create_symlink(entry.path(), target / entry.path().filename());
        }
    }
    for (const auto& entry : fs::directory_iterator(source / "sprites")) {
        if (entry.path().filename() != "player") {
            fs::create_symlink(entry.path(), target / "sprites" / entry.path().filename());
        }
    }
    for (int number = 1; number <= 27; ++number) {
        const int width = number == kNarrowFrame ? kSize - 2 : kSize;
        SDL_Surface* frame =
            SDL_CreateRGBSurfaceWithFormat(0, width, kSize, 32, SDL_PIXELFORMAT_ARGB8888);
        const std::string name = "player_anim_run_" + std::to_string(number) + ".bmp";
        SDL_SaveBMP(frame, (target / "sprites" / "player" / name).c_str());
        SDL_FreeSurface(frame);
    }
}

TEST_F(BigPlayerTest, PlayerBoxInAWallAtTheStartIsAnError) {
    const LevelReport report = check({
        "GGGGGGGGGGGGGGGGGGGG",
        "G.EG...............G",
        "G..................G",
        "G...CCCCCCCC....U..G",
        "GGGGGGGGGGGGGGGGGGGG",
    });
    EXPECT_TRUE(report.has(Severity::Error, 2, 3, "the player starts stuck: its 40x40 box"))
        << report.formatLines();
    EXPECT_TRUE(report.has(Severity::Note, 2, 3, "run frames differ in size"));
}

}  // namespace
}  // namespace levelchecktest
