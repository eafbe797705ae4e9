#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Reading and writing the editor's level file, one text row per grid row.
//
// Reading splits lines the way a line-by-line read does: a CR right before an LF
// belongs to the line end and is dropped, a last line without a line end is still
// a row, a line end at the very end adds no empty row, and an empty line in the
// middle is an empty row. Every other byte is kept as it is.
//
// Writing goes through SafeFileWriter: a full disk or a size limit leaves the
// previous file as it was; links, mode, owner and group are kept.
class EditorLevelFile {
public:
    // Files larger than this are refused rather than read into memory.
    static constexpr std::size_t kMaxBytes = std::size_t{256} * 1024 * 1024;

    // Splits file contents into rows (see the class comment).
    static std::vector<std::string> splitRows(const std::string& text);
    // Reads the regular file at path into rows. Answers false, with a one-line
    // reason in problem, when it cannot be opened, is not a regular file, is larger
    // than kMaxBytes or a read fails part way; rows are then incomplete.
    static bool read(const std::string& path, std::vector<std::string>& rows, std::string& problem);
    // The file contents for rows: each row followed by "\n".
    static std::string join(const std::vector<std::string>& rows);
    // Gives the file at path the rows, each followed by "\n", as SafeFileWriter
    // does; a file without write permission is not replaced. Answers false, with
    // the reason in problem and the previous file untouched, when the save fails.
    static bool write(const std::string& path, const std::vector<std::string>& rows,
                      std::string& problem);
};
