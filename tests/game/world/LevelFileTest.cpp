#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/world/LevelFile.h"
#include "tests/support/ScratchFolder.h"

using Rows = std::vector<std::string>;

namespace {

TEST(LevelFileTest, SplitsLinesTheWayALineByLineReadDoes) {
    EXPECT_EQ(LevelFile::splitRows(""), Rows{});
    EXPECT_EQ(LevelFile::splitRows("\n"), Rows{""});
    EXPECT_EQ(LevelFile::splitRows("GG"), Rows{"GG"});
    EXPECT_EQ(LevelFile::splitRows("GG\n"), Rows{"GG"});
    EXPECT_EQ(LevelFile::splitRows("GG\nP."), LevelFile::splitRows("GG\nP.\n"));
    EXPECT_EQ(LevelFile::splitRows("GG\n\nP.\n"), (Rows{"GG", "", "P."}));
    EXPECT_EQ(LevelFile::splitRows("\n\n"), (Rows{"", ""}));
}

TEST(LevelFileTest, OnlyACarriageReturnBeforeALineFeedIsStripped) {
    EXPECT_EQ(LevelFile::splitRows("GG\r\nP.\r\n"), (Rows{"GG", "P."}));
    EXPECT_EQ(LevelFile::splitRows("\r\n"), Rows{""});
    EXPECT_EQ(LevelFile::splitRows("G\rG\n"), Rows{"G\rG"});
    EXPECT_EQ(LevelFile::splitRows("GG\r"), Rows{"GG\r"});
    EXPECT_EQ(LevelFile::splitRows("GG\r\r\n"), Rows{"GG\r"});
}

TEST(LevelFileTest, KeepsEveryByteAsACell) {
    const std::string bytes("G\0P\xff\n\0", 6);
    const Rows rows = LevelFile::splitRows(bytes);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], std::string("G\0P\xff", 4));
    EXPECT_EQ(rows[1], std::string("\0", 1));
}

TEST(LevelFileTest, ReadsFilesAndGivesNoRowsSilentlyWhenUnreadable) {
    testsupport::ScratchFolder folder;
    folder.writeFile("crlf.txt", "GGU\r\n\r\n.E.");
    EXPECT_EQ(LevelFile::readRows("crlf.txt"), (Rows{"GGU", "", ".E."}));

    folder.writeFile("sub/keep.txt", "G");
    ::testing::internal::CaptureStdout();
    EXPECT_TRUE(LevelFile::readRows("missing.txt").empty());
    EXPECT_TRUE(LevelFile::readRows("sub").empty());
    EXPECT_TRUE(LevelFile::readRows("").empty());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

}  // namespace
