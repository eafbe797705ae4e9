// libFuzzer target: arbitrary bytes as the high-score file.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/BestTimesFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzBestTimes(data, size);
}
