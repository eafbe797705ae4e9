#pragma once

#include <string>
#include <vector>

// Reads the plain-text level format: one line per grid row, one character per
// cell. Lines are separated by LF; a CR right before an LF belongs to the line
// end; a last line without a terminator is still a row; a terminator at the very
// end adds no empty row; an empty line in the middle is a row of length 0. Any
// byte (NUL included) is kept as a cell code.
class LevelFile {
public:
    // Splits file contents into rows as described above; empty input gives no rows.
    static std::vector<std::string> splitRows(const std::string& bytes);
    // Reads the file at path into rows; a file that cannot be read gives no rows
    // and prints nothing.
    static std::vector<std::string> readRows(const std::string& path);
};
