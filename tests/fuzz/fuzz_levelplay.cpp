// libFuzzer target: arbitrary bytes as a level file played by the level play.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/LevelPlayFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzLevelPlay(data, size);
}
