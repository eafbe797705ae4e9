#include "editor/EditorLevelFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/SafeFileWriter.h"

namespace {

// Bytes read per system call.
constexpr std::size_t kChunkBytes = 64 * 1024;

std::string reason() {
    return std::strerror(errno);
}

}  // namespace

std::vector<std::string> EditorLevelFile::splitRows(const std::string& text) {
    std::vector<std::string> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            rows.push_back(text.substr(start));
            break;
        }
        std::size_t rowEnd = end;
        if (rowEnd > start && text[rowEnd - 1] == '\r') {
            --rowEnd;
        }
        rows.push_back(text.substr(start, rowEnd - start));
        start = end + 1;
    }
    return rows;
}

bool EditorLevelFile::read(const std::string& path, std::vector<std::string>& rows,
                           std::string& problem) {
    rows.clear();
    // Non-blocking so that a named pipe in the file's place cannot stall the start.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        problem = reason();
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = "not a regular file";
        ::close(fd);
        return false;
    }
    std::string text;
    char chunk[kChunkBytes];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            problem = reason();
            ::close(fd);
            return false;
        }
        if (got == 0) {
            break;
        }
        if (text.size() + static_cast<std::size_t>(got) > kMaxBytes) {
            problem = "larger than 256 MiB";
            ::close(fd);
            return false;
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    rows = splitRows(text);
    return true;
}

std::string EditorLevelFile::join(const std::vector<std::string>& rows) {
    std::size_t size = 0;
    for (const std::string& row : rows) {
        size += row.size() + 1;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& currentRowString : rows) {
        text += currentRowString;
        text += '\n';
    }
    return text;
}

bool EditorLevelFile::write(const std::string& path, const std::vector<std::string>& rows,
                            std::string& problem) {
    return SafeFileWriter::write(path, join(rows), problem);
}
