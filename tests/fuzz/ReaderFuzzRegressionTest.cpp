// Runs the level play and best-times fuzz entries over every committed corpus
// and regression input, so that any input that ever failed stays a test in the
// normal build.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/fuzz/BestTimesFuzzEntry.h"
#include "tests/fuzz/FuzzCorpus.h"
#include "tests/fuzz/LevelPlayFuzzEntry.h"

namespace {

std::string inputName(const ::testing::TestParamInfo<std::string>& info) {
    return FuzzCorpus::testName(info.param, info.index);
}

int run(int (*entry)(const std::uint8_t*, std::size_t), const std::string& path) {
    const std::string bytes = FuzzCorpus::bytesOf(path);
    return entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

class LevelPlayFuzzRegression : public ::testing::TestWithParam<std::string> {};

TEST_P(LevelPlayFuzzRegression, RunsClean) {
    EXPECT_EQ(run(fuzzLevelPlay, GetParam()), 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, LevelPlayFuzzRegression,
                         ::testing::ValuesIn(FuzzCorpus::inputs("levelplay")), inputName);

class BestTimesFuzzRegression : public ::testing::TestWithParam<std::string> {};

TEST_P(BestTimesFuzzRegression, RunsClean) {
    EXPECT_EQ(run(fuzzBestTimes, GetParam()), 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, BestTimesFuzzRegression,
                         ::testing::ValuesIn(FuzzCorpus::inputs("besttimes")), inputName);

}  // namespace
