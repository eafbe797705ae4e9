// Hostile high-score files: the game keeps the start value of every line that
// holds no 32-bit number, shows the values on the level select, and after a
// completed level either rewrites the file or, when it cannot, prints one line,
// keeps the new time in memory and leaves the old file untouched.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>

#include "game/menu/Menu.h"
#include "game/shell/BestTimeFile.h"
#include "game/world/Door.h"
#include "tests/reliability/game/GameTour.h"
#include "tests/reliability/support/AssetTree.h"
#include "tests/reliability/support/ConsoleReport.h"
#include "tests/reliability/support/DamagedFiles.h"
#include "tests/reliability/support/ForkedChild.h"
#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace reliability {
namespace {

constexpr int kNoTime = BestTimeFile::kNoTime;
constexpr size_t kNoiseBytes = 4096;
constexpr unsigned kNoiseSeed = 99;
constexpr size_t kHugeLineBytes = 10 * 1024 * 1024;
const std::string kSaveFailure = "Could not save best times to assets/highscores.txt: ";

// A high-score file's contents and the three values the game must start with.
struct TimesCase {
    const char* name;
    std::string contents;
    std::array<int, 3> expected;
};

void PrintTo(const TimesCase& c, std::ostream* out) {
    *out << c.name;
}

const TimesCase kTimesCases[] = {
    {"words", "abc\nxyz\nfoo", {kNoTime, kNoTime, kNoTime}},
    {"negative", "-5\n-7\n-9", {-5, -7, -9}},
    {"overflowing", "99999999999\n-99999999999\n2147483648", {kNoTime, kNoTime, kNoTime}},
    {"int_limits", "2147483647\n-2147483648\n0", {2147483647, -2147483647 - 1, 0}},
    {"one_line", "12\n", {12, kNoTime, kNoTime}},
    {"empty", "", {kNoTime, kNoTime, kNoTime}},
    {"crlf", "12\r\n34\r\n56\r\n", {12, 34, 56}},
    {"trailing_text", "12 seconds\n 34abc\n+56", {12, 34, 56}},
    {"nul_bytes", std::string("\0 12\n3\0 4\n56", 12), {kNoTime, 3, 56}},
    {"extra_lines", "1\n2\n3\n4\n5\n", {1, 2, 3}},
    {"ten_megabyte_line", std::string(kHugeLineBytes, '1') + "\n2\n3", {kNoTime, 2, 3}},
};

class BadBestTimesGameTest : public ::testing::TestWithParam<TimesCase> {
protected:
    testsupport::ScratchFolder folder;
};

TEST_P(BadBestTimesGameTest, StartValuesStayWhereNoNumberIsAndACompletionRewritesTheFile) {
    const TimesCase& c = GetParam();
    AssetTree::build();
    AssetTree::replace(AssetTree::kBestTimesPath, c.contents);
    AssetTree::replace("assets/levels/level1.txt", GameTour::kQuickLevel);
    testing::internal::CaptureStdout();
    int best = 0;
    bool ended = false;
    std::array<std::string, 3> labels;
    {
        GameTour tour;
        Game& game = tour.game();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(game.getBestTime(i), c.expected[static_cast<size_t>(i)]) << "level " << i + 1;
        }
        ended = tour.completeFirstLevel();
        best = game.getBestTime(0);
        tour.frames(1);
        for (int i = 0; i < 3; ++i) {
            labels[static_cast<size_t>(i)] = game.getMenu().getLevelLabel(i);
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_TRUE(ended);
    // Only a time at or below the stored one replaces it.
    EXPECT_LE(best, c.expected[0]);
    EXPECT_GE(best, 0 < c.expected[0] ? 0 : c.expected[0]);
    const std::array<int, 3> shown{best, c.expected[1], c.expected[2]};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NE(labels[i].find(": " + std::to_string(shown[i]) + "S"), std::string::npos)
            << labels[i];
    }
    EXPECT_EQ(AssetTree::read(AssetTree::kBestTimesPath), std::to_string(best) + "\n" +
                                                              std::to_string(c.expected[1]) + "\n" +
                                                              std::to_string(c.expected[2]));
}

std::string caseName(const ::testing::TestParamInfo<TimesCase>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadBestTimesGameTest, ::testing::ValuesIn(kTimesCases),
                         caseName);

TEST(BadBestTimesNoiseTest, NoiseIsReadAsLinesAndRewrittenAsThreeNumbers) {
    testsupport::ScratchFolder folder;
    AssetTree::build();
    const std::string noise = DamagedFiles::noise(kNoiseBytes, kNoiseSeed);
    AssetTree::replace(AssetTree::kBestTimesPath, noise);
    AssetTree::replace("assets/levels/level1.txt", GameTour::kQuickLevel);
    BestTimeFile::Times parsed{kNoTime, kNoTime, kNoTime};
    BestTimeFile::parse(noise, parsed);
    testing::internal::CaptureStdout();
    {
        GameTour tour;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(tour.game().getBestTime(i), parsed[static_cast<size_t>(i)]);
        }
        EXPECT_TRUE(tour.completeFirstLevel());
        parsed[0] = tour.game().getBestTime(0);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(AssetTree::read(AssetTree::kBestTimesPath), BestTimeFile::format(parsed));
}

// Where the high-score file cannot be replaced: the game says so in one line,
// keeps the new time in memory and leaves the old file as it was.
class UnwritableBestTimesTest : public ::testing::Test {
protected:
    void SetUp() override {
        AssetTree::build();
        AssetTree::replace("assets/levels/level1.txt", GameTour::kQuickLevel);
        // A child running as another user must reach the folder.
        fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_exec |
                                           fs::perms::others_exec | fs::perms::group_read |
                                           fs::perms::others_read);
    }
    // In a child restricted by limits: completes level 1 and answers the best
    // time of level 1 the Game then holds (255 when the level did not end).
    static ChildOutcome completeInChild(const ChildLimits& limits) {
        return ForkedChild::run(
            [] {
                GameTour tour;
                const bool ended = tour.completeFirstLevel();
                return ended ? tour.game().getBestTime(0) : kNotEnded;
            },
            limits);
    }
    static void expectOneFailureLine(const ChildOutcome& outcome) {
        const ConsoleReport report = ConsoleReport::of(outcome.output);
        ASSERT_EQ(report.unexpected.size(), 1u) << outcome.output;
        EXPECT_EQ(report.unexpected[0].rfind(kSaveFailure, 0), 0u) << report.unexpected[0];
        EXPECT_GT(report.unexpected[0].size(), kSaveFailure.size());
        EXPECT_TRUE(report.bitmaps.empty());
    }
    static void expectOldFileUntouched() {
        EXPECT_EQ(AssetTree::read(AssetTree::kBestTimesPath), AssetTree::kStoredTimes);
        for (const std::string& file : AssetTree::filesUnder("assets")) {
            EXPECT_EQ(file.rfind("assets/highscores.txt.", 0), std::string::npos) << file;
        }
    }
    static constexpr int kNotEnded = 255;
    testsupport::ScratchFolder folder;
};

TEST_F(UnwritableBestTimesTest, AReadOnlyFileInAWritableFolderIsNotReplaced) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the game as another user";
    }
    fs::permissions("assets", fs::perms::all);
    fs::permissions(AssetTree::kBestTimesPath,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const ChildOutcome outcome = completeInChild({true, -1});
    EXPECT_LT(outcome.exitCode, AssetTree::kStoredTime[0]);  // the new time, kept in memory
    expectOneFailureLine(outcome);
    expectOldFileUntouched();
}

TEST_F(UnwritableBestTimesTest, AWritableFileInAReadOnlyFolderIsSaved) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the game as another user";
    }
    fs::permissions(AssetTree::kBestTimesPath, fs::perms::all);
    const ChildOutcome outcome = completeInChild({true, -1});
    EXPECT_LT(outcome.exitCode, AssetTree::kStoredTime[0]);
    EXPECT_TRUE(ConsoleReport::of(outcome.output).unexpected.empty()) << outcome.output;
    EXPECT_EQ(AssetTree::read(AssetTree::kBestTimesPath),
              BestTimeFile::format(
                  {outcome.exitCode, AssetTree::kStoredTime[1], AssetTree::kStoredTime[2]}));
}

TEST_F(UnwritableBestTimesTest, ALinkKeepsPointingAtTheSavedFile) {
    if (!ForkedChild::canDropPrivileges()) {
        GTEST_SKIP() << "needs root to run the game as another user";
    }
    const std::string target = "assets/kept/times.txt";
    fs::create_directory("assets/kept");
    fs::rename(AssetTree::kBestTimesPath, target);
    for (const std::string& path : {std::string("assets/kept"), target}) {
        ASSERT_EQ(chown(path.c_str(), ForkedChild::kNobody, ForkedChild::kNobody), 0);
    }
    fs::create_symlink("kept/times.txt", AssetTree::kBestTimesPath);
    const ChildOutcome outcome = completeInChild({true, -1});
    EXPECT_LT(outcome.exitCode, AssetTree::kStoredTime[0]);
    EXPECT_TRUE(ConsoleReport::of(outcome.output).unexpected.empty()) << outcome.output;
    EXPECT_TRUE(fs::is_symlink(AssetTree::kBestTimesPath));
    EXPECT_EQ(AssetTree::read(target),
              BestTimeFile::format(
                  {outcome.exitCode, AssetTree::kStoredTime[1], AssetTree::kStoredTime[2]}));
}

TEST_F(UnwritableBestTimesTest, AFullDiskKeepsTheFile) {
    // Room for less than the three numbers.
    const ChildOutcome outcome = completeInChild({false, 4});
    EXPECT_LT(outcome.exitCode, AssetTree::kStoredTime[0]);
    expectOneFailureLine(outcome);
    expectOldFileUntouched();
}

TEST_F(UnwritableBestTimesTest, AFolderInPlaceOfTheFileIsReadAsNothingAndKept) {
    fs::remove(AssetTree::kBestTimesPath);
    fs::create_directories("assets/highscores.txt/kept");
    const ChildOutcome outcome = completeInChild({});
    // Nothing read: the start value, beaten by the completion, kept in memory.
    EXPECT_LT(outcome.exitCode, kNotEnded);
    expectOneFailureLine(outcome);
    EXPECT_TRUE(fs::is_directory("assets/highscores.txt/kept"));
}

TEST(BestTimesUnderAFileTest, AnAssetFolderThatIsAFileSavesNothingAndSaysSo) {
    testsupport::ScratchFolder folder;
    AssetTree::replace("assets", "not a folder");
    testing::internal::CaptureStdout();
    {
        GameTour tour;
        tour.game().showLevelEnd(Door::kRequiredScore, 5.0f, 1);
        tour.press(SDLK_RETURN);
        EXPECT_EQ(tour.game().getBestTime(0), 5);
        EXPECT_EQ(tour.game().getState(), LevelSelect);
    }
    const ConsoleReport report = ConsoleReport::of(testing::internal::GetCapturedStdout());
    ASSERT_EQ(report.unexpected.size(), 1u);
    EXPECT_EQ(report.unexpected[0], kSaveFailure + "Not a directory");
    EXPECT_EQ(AssetTree::read("assets"), "not a folder");
}

}  // namespace
}  // namespace reliability
