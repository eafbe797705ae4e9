// libFuzzer target: arbitrary bytes as the editor's level file, loaded, toggled and saved.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/EditorMapFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzEditorMap(data, size);
}
