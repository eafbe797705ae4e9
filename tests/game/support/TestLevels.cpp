#include "tests/game/support/TestLevels.h"

namespace testsupport {

std::string levelText(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row + "\n";
    }
    return text;
}

}  // namespace testsupport
