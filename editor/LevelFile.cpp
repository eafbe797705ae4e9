#include "editor/LevelFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Bytes read or written per system call.
constexpr std::size_t kChunkBytes = 64 * 1024;
// Permissions of a saved file when the previous one cannot be examined.
constexpr mode_t kDefaultMode = 0644;
// Permission bits copied from the previous file.
constexpr mode_t kPermissionBits = 07777;

std::string reason() {
    return std::strerror(errno);
}

// Writes all of data to fd, retrying short writes; false with errno set on failure.
bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The path that a save must replace: a symbolic link is followed so that the link
// itself survives and the file it names gets the new rows.
std::string resolveTarget(const std::string& path) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return path;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable; a failure here loses nothing, so it is ignored.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes every row and its line end to fd through a small buffer.
bool writeRows(int fd, const std::vector<std::string>& rows) {
    std::string buffer;
    buffer.reserve(kChunkBytes);
    for (const std::string& currentRowString : rows) {
        if (buffer.size() + currentRowString.size() + 1 > kChunkBytes) {
            if (!writeAll(fd, buffer.data(), buffer.size()) ||
                !writeAll(fd, currentRowString.data(), currentRowString.size())) {
                return false;
            }
            buffer.clear();
        } else {
            buffer += currentRowString;
        }
        buffer += '\n';
    }
    return writeAll(fd, buffer.data(), buffer.size());
}

}  // namespace

std::vector<std::string> LevelFile::splitRows(const std::string& text) {
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

bool LevelFile::read(const std::string& path, std::vector<std::string>& rows,
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

bool LevelFile::write(const std::string& path, const std::vector<std::string>& rows,
                      std::string& problem) {
    const std::string target = resolveTarget(path);
    // Renaming would replace even a read-only file; its write permission is honoured.
    if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT) {
        problem = reason();
        return false;
    }
    std::string temporary = target + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        problem = reason();
        return false;
    }
    struct stat previous {};
    const mode_t mode = ::stat(target.c_str(), &previous) == 0
                            ? (previous.st_mode & kPermissionBits)
                            : kDefaultMode;
    bool ok = ::fchmod(fd, mode) == 0 && writeRows(fd, rows) && ::fsync(fd) == 0;
    if (!ok) {
        problem = reason();
    }
    if (::close(fd) != 0 && ok) {
        problem = reason();
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        problem = reason();
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}
