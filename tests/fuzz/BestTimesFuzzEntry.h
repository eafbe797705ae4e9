#pragma once

#include <cstddef>
#include <cstdint>

// Feeds bytes as the high-score file's text to the best-times reader, from
// start values taken from the bytes: parsing them and reading them from a file
// must give the same values, and each of the three is either its start value
// or the decimal number at the head of its line (after blanks, cut at a NUL or
// at the reader's line limit). Then writing the values and reading them back
// must give them exactly. Aborts on any difference. Returns 0.
int fuzzBestTimes(const std::uint8_t* data, std::size_t size);
