// The checks on the characters of a level file alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/levelcheck/LevelFormCheck.h"

namespace {

LevelReport checked(const std::vector<std::string>& rows) {
    LevelReport report("level.txt");
    LevelFormCheck::check(LevelCells(rows), report);
    return report;
}

const std::vector<std::string> kGood = {
    "..........",
    "E.CCCCCCCCU",
    "GGGGGGGGGGG",
};

TEST(LevelFormCheckTest, WellFormedLevelHasNoFindings) {
    // One start, one door, eight coins, rows of one length.
    std::vector<std::string> rows = kGood;
    rows[0] += ".";
    const LevelReport report = checked(rows);
    EXPECT_TRUE(report.diagnostics().empty()) << report.formatLines();
}

TEST(LevelFormCheckTest, RowsOfAnotherLengthThanRowOneAreWarnedAtTheirEnd) {
    const LevelReport report = checked({"GGGG", "GG", "GGGG", "GGGGGG", "E.CCCCCCCCU"});
    EXPECT_TRUE(report.has(Severity::Warning, 2, 3, "row has 2 cells but row 1 has 4"));
    EXPECT_TRUE(report.has(Severity::Warning, 4, 5, "row has 6 cells"));
    EXPECT_TRUE(report.has(Severity::Warning, 5, 5, "row has 11 cells"));
    EXPECT_FALSE(report.has(Severity::Warning, 3, 5, "row has"));
    EXPECT_EQ(report.warningCount(), 3);
    EXPECT_EQ(report.errorCount(), 0) << report.formatLines();
}

TEST(LevelFormCheckTest, ManyUnevenRowsAreListedUpToTheLimitAndCounted) {
    std::vector<std::string> rows(30, "G");
    rows.front() = "E.CCCCCCCCU";
    const LevelReport report = checked(rows);
    EXPECT_EQ(report.warningCount(), LevelFormCheck::kMaxListed);
    EXPECT_TRUE(report.has(Severity::Note, 1, 1, "19 more rows differ"));
}

TEST(LevelFormCheckTest, MissingStartOrDoorIsAnError) {
    const LevelReport noStart = checked({"..CCCCCCCCU", "GGGGGGGGGGG"});
    EXPECT_TRUE(noStart.has(Severity::Error, 1, 1, "no player start 'E'"));
    const LevelReport noDoor = checked({"E.CCCCCCCC.", "GGGGGGGGGGG"});
    EXPECT_TRUE(noDoor.has(Severity::Error, 1, 1, "no door 'U'"));
    EXPECT_EQ(noDoor.errorCount(), 1);
}

TEST(LevelFormCheckTest, RepeatedStartsAndDoorsWarnAtTheIgnoredOnes) {
    const LevelReport report = checked({"E..U......", "E.CCCCCCCCU", "...E......"});
    EXPECT_TRUE(report.has(Severity::Warning, 1, 1, "the last one (row 3, column 4) counts"));
    EXPECT_TRUE(report.has(Severity::Warning, 2, 1, "several player starts"));
    EXPECT_FALSE(report.has(Severity::Warning, 3, 4, "several"));
    EXPECT_TRUE(report.has(Severity::Warning, 1, 4, "several doors 'U'"));
    EXPECT_TRUE(report.has(Severity::Note, 2, 11, "every door cell 'U' is a wall"));
    EXPECT_EQ(report.errorCount(), 0) << report.formatLines();
}

TEST(LevelFormCheckTest, SevenCoinsCannotMakeEightHundredPoints) {
    const LevelReport seven = checked({"E.CCCCCCC.U"});
    EXPECT_TRUE(seven.has(Severity::Error, 1, 1, "only 7 coins"));
    const LevelReport eight = checked({"E.CCCCCCCCU"});
    EXPECT_EQ(eight.errorCount(), 0) << eight.formatLines();
}

TEST(LevelFormCheckTest, UnknownCodesAreNotedOnceEachAtTheirFirstCell) {
    const LevelReport report =
        checked({"E.CCCCCCCCU", "..x.B..x.g.", std::string("B.\x01.", 4) + "GPMDIHA"});
    EXPECT_TRUE(report.has(Severity::Note, 2, 3,
                           "'x' is not a cell code and is treated as "
                           "empty (2 cells)"));
    EXPECT_TRUE(report.has(Severity::Note, 2, 10, "'g' is not a cell code"));
    EXPECT_TRUE(report.has(Severity::Note, 2, 5, "'B' (placed by the editor) is treated as empty"));
    EXPECT_TRUE(report.has(Severity::Note, 3, 3, "'\\x01' is not a cell code"));
    EXPECT_EQ(report.diagnostics().size(), 4u) << report.formatLines();
}

TEST(LevelFormCheckTest, ByteOrderMarkIsNamedInOneWarningNotAsUnevenRows) {
    std::vector<std::string> rows = kGood;
    rows[0] = "\xEF\xBB\xBF" + rows[0] + ".";
    const LevelReport report = checked(rows);
    ASSERT_EQ(report.diagnostics().size(), 1u) << report.formatLines();
    EXPECT_TRUE(report.has(Severity::Warning, 1, 1, "UTF-8 byte-order mark"));
}

TEST(LevelFormCheckTest, EntitiesBelowTheVisibleRowsAreWarned) {
    std::vector<std::string> rows(LevelFormCheck::kVisibleRows, "CCCCCCCCC");
    rows.push_back("E...D...U");
    rows.push_back("GGGGGGGGG");
    const LevelReport report = checked(rows);
    EXPECT_TRUE(report.has(Severity::Warning, 16, 1, "'E' lies below the 15 rows"));
    EXPECT_TRUE(report.has(Severity::Warning, 16, 5, "'D' lies below")) << report.formatLines();
    EXPECT_TRUE(report.has(Severity::Warning, 16, 9, "'U' lies below"));
    EXPECT_FALSE(report.has(Severity::Warning, "more entities")) << report.formatLines();
    EXPECT_FALSE(report.has(Severity::Warning, 15, 1, "lies below")) << "row 15 is seen";
}

TEST(LevelFormCheckTest, EmptyFileIsOneError) {
    const LevelReport report = checked({});
    ASSERT_EQ(report.diagnostics().size(), 1u);
    EXPECT_TRUE(report.has(Severity::Error, 1, 1, "the level file is empty"));
}

TEST(LevelFormCheckTest, ReportPrintsCompilerStyleLinesAndSummary) {
    LevelReport report("a/b.txt");
    report.add(3, 7, Severity::Error, "broken");
    report.add(1, 1, Severity::Warning, "odd");
    report.add(2, 2, Severity::Note, "fyi");
    EXPECT_EQ(report.formatLines(),
              "a/b.txt:3:7: error: broken\na/b.txt:1:1: warning: odd\na/b.txt:2:2: note: fyi\n");
    EXPECT_EQ(report.summaryLine(), "a/b.txt: 1 error, 1 warning\n");
    EXPECT_EQ(LevelReport("c.txt").summaryLine(), "c.txt: 0 errors, 0 warnings\n");
}

}  // namespace
