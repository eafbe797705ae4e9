// Runs the fuzz entries over every committed corpus and regression file, so that
// any input that ever failed stays a test in the normal build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/LevelFileFuzzEntry.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> inputFiles() {
    std::vector<std::string> files;
    for (const char* folder : {"corpus/levelfile", "regressions/levelfile"}) {
        const fs::path root = fs::path(KESTRUN_FUZZ_DIR) / folder;
        if (!fs::is_directory(root)) {
            continue;
        }
        for (const auto& entry : fs::directory_iterator(root)) {
            if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') {
                files.push_back(entry.path().string());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class LevelFileFuzzRegression : public ::testing::TestWithParam<std::string> {};

TEST_P(LevelFileFuzzRegression, RunsClean) {
    std::ifstream file(GetParam(), std::ios::binary);
    ASSERT_TRUE(file.good());
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    EXPECT_EQ(fuzzLevelFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = fs::path(info.param).parent_path().parent_path().filename().string() + "_" +
                       fs::path(info.param).filename().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Inputs, LevelFileFuzzRegression, ::testing::ValuesIn(inputFiles()),
                         testName);

}  // namespace
