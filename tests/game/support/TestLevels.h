#pragma once

#include <string>
#include <vector>

namespace testsupport {

// Joins rows into level file text, each row ending in a line feed.
std::string levelText(const std::vector<std::string>& rows);

}  // namespace testsupport
