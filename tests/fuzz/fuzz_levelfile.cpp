// libFuzzer target: arbitrary bytes as a level file.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/LevelFileFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzLevelFile(data, size);
}
