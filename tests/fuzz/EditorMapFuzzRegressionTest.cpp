// Runs the editor grid's fuzz entry over every committed corpus and regression
// input. A program of its own: the editor's level file reader shares its class
// name with the game's.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/fuzz/EditorMapFuzzEntry.h"
#include "tests/fuzz/FuzzCorpus.h"

namespace {

std::string inputName(const ::testing::TestParamInfo<std::string>& info) {
    return FuzzCorpus::testName(info.param, info.index);
}

class EditorMapFuzzRegression : public ::testing::TestWithParam<std::string> {};

TEST_P(EditorMapFuzzRegression, RunsClean) {
    const std::string bytes = FuzzCorpus::bytesOf(GetParam());
    EXPECT_EQ(fuzzEditorMap(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, EditorMapFuzzRegression,
                         ::testing::ValuesIn(FuzzCorpus::inputs("editormap")), inputName);

}  // namespace
