#include <gtest/gtest.h>

#include <sys/stat.h>

#include "game/shell/BestTimeFile.h"
#include "tests/support/ScratchFolder.h"

using Times = BestTimeFile::Times;
constexpr int32_t kStart = BestTimeFile::kNoTime;

namespace {

Times parsed(const std::string& text) {
    Times times{kStart, kStart, kStart};
    BestTimeFile::parse(text, times);
    return times;
}

TEST(BestTimeFileTest, ReadsThreeLinesAndIgnoresTheRest) {
    EXPECT_EQ(parsed("12\n34\n56"), (Times{12, 34, 56}));
    EXPECT_EQ(parsed("12\n34\n56\n"), (Times{12, 34, 56}));
    EXPECT_EQ(parsed("12\r\n34\r\n56\r\n7\n8"), (Times{12, 34, 56}));
    EXPECT_EQ(parsed("  12 seconds\n+34\n-5"), (Times{12, 34, -5}));
}

TEST(BestTimeFileTest, MissingLinesKeepTheirStartValue) {
    EXPECT_EQ(parsed("12\n34"), (Times{12, 34, kStart}));
    EXPECT_EQ(parsed("12\n34\n"), (Times{12, 34, kStart}));
    EXPECT_EQ(parsed(""), (Times{kStart, kStart, kStart}));
}

TEST(BestTimeFileTest, LinesWithoutAUsableNumberKeepTheirStartValue) {
    EXPECT_EQ(parsed("fast\n\n56"), (Times{kStart, kStart, 56}));
    EXPECT_EQ(parsed("2147483647\n2147483648\n-2147483649"), (Times{2147483647, kStart, kStart}));
    EXPECT_EQ(parsed("99999999999999999999999\n-\n+"), (Times{kStart, kStart, kStart}));
    EXPECT_EQ(parsed(std::string("1\0\n2\n3", 6)), (Times{1, 2, 3}));
}

TEST(BestTimeFileTest, FormatHasNoLineBreakAfterTheThird) {
    EXPECT_EQ(BestTimeFile::format(Times{12, 33, 56}), "12\n33\n56");
    EXPECT_EQ(BestTimeFile::format(Times{-1, 0, 2147483647}), "-1\n0\n2147483647");
}

TEST(BestTimeFileTest, WriteThenReadRoundTrips) {
    testsupport::ScratchFolder folder;
    ASSERT_TRUE(BestTimeFile::write("times.txt", Times{12, 33, 56}));
    EXPECT_EQ(folder.readFile("times.txt"), "12\n33\n56");
    Times back{0, 0, 0};
    ASSERT_TRUE(BestTimeFile::read("times.txt", back));
    EXPECT_EQ(back, (Times{12, 33, 56}));
    // No temporary file is left behind.
    EXPECT_EQ(folder.readFile("times.txt.tmp"), "");
}

TEST(BestTimeFileTest, MissingFileReadsNothing) {
    testsupport::ScratchFolder folder;
    Times times{1, 2, 3};
    EXPECT_FALSE(BestTimeFile::read("absent.txt", times));
    EXPECT_EQ(times, (Times{1, 2, 3}));
}

TEST(BestTimeFileTest, HugeSingleLineIsReadWithoutHoldingIt) {
    testsupport::ScratchFolder folder;
    folder.writeFile("big.txt", "42" + std::string(5'000'000, '7') + "\n8\n9");
    Times times{kStart, kStart, kStart};
    ASSERT_TRUE(BestTimeFile::read("big.txt", times));
    EXPECT_EQ(times, (Times{kStart, 8, 9}));  // the first number overflows 32 bits
}

TEST(BestTimeFileTest, FailedWriteReportsAndLeavesTheOldFile) {
    testsupport::ScratchFolder folder;
    folder.writeFile("dir/times.txt", "1\n2\n3");
    chmod("dir/times.txt", 0444);
    if (access("dir/times.txt", W_OK) == 0) {
        GTEST_SKIP() << "running with permissions that ignore read-only folders";
    }
    testing::internal::CaptureStdout();
    EXPECT_FALSE(BestTimeFile::write("dir/times.txt", Times{7, 8, 9}));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Could not save best times to dir/times.txt"), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
    EXPECT_EQ(folder.readFile("dir/times.txt"), "1\n2\n3");
}

TEST(BestTimeFileTest, DirectoryInPlaceOfTheFile) {
    testsupport::ScratchFolder folder;
    mkdir("times.txt", 0755);
    Times times{1, 2, 3};
    BestTimeFile::read("times.txt", times);  // may open but reads nothing usable
    EXPECT_EQ(times, (Times{1, 2, 3}));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(BestTimeFile::write("times.txt", Times{7, 8, 9}));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Could not save"), std::string::npos);
}

}  // namespace

namespace {

TEST(BestTimeFileTest, UnwritablePlaceReportsEvenForRoot) {
    testsupport::ScratchFolder folder;
    folder.writeFile("plain", "not a folder");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(BestTimeFile::write("plain/times.txt", Times{7, 8, 9}));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Could not save"), std::string::npos);
    EXPECT_EQ(folder.readFile("plain"), "not a folder");
}

}  // namespace
