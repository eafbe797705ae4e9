#include "common/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace {

// Links followed before giving up; the kernel's own limit for one path.
constexpr int kMaxLinks = 40;
// Permission bits kept from the old file.
constexpr mode_t kPermissionBits = 07777;
// A new file gets these, less the umask, as a plain open would give it.
constexpr mode_t kNewFileMode = 0666;

std::string reason(int error = errno) {
    return std::strerror(error);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names once every symbolic link is followed, even a link to a
// file that does not exist yet. A path that is no link comes back unchanged.
std::string followLinks(const std::string& path) {
    std::string current = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        char link[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), link, sizeof link);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof link) {
            return current;
        }
        const std::string to(link, static_cast<std::size_t>(length));
        current = to[0] == '/' ? to : folderOf(current) + "/" + to;
    }
    return current;  // a loop: opening it reports the loop
}

// Writes all of text at offset on fd, retrying short writes; false with errno set.
bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written =
            ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Makes a rename durable; a failure here loses nothing, so it is ignored.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool inMyGroups(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count <= 0 || ::getgroups(count, groups.data()) != count) {
        return false;
    }
    for (gid_t member : groups) {
        if (member == group) {
            return true;
        }
    }
    return false;
}

// True when a renamed copy would be the same file to everyone else: the folder
// takes a new name, no other name shares the file, and a new file can get its
// owner and group.
bool replaceable(const std::string& target, const struct stat& old) {
    const bool root = ::geteuid() == 0;
    return ::access(folderOf(target).c_str(), W_OK | X_OK) == 0 && old.st_nlink == 1 &&
           (root || (old.st_uid == ::geteuid() && inMyGroups(old.st_gid)));
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return kNewFileMode & ~mask;
}

enum class Outcome { Done, Failed, NotHere };

// The rename way: a temporary file beside the target becomes the target.
// NotHere when the folder turns out to refuse it after all.
Outcome replace(const std::string& target, const std::string& text, const struct stat* old,
                std::string& problem) {
    std::string temporary = target + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        const int error = errno;
        problem = reason(error);
        return error == EACCES || error == EPERM || error == EROFS ? Outcome::NotHere
                                                                   : Outcome::Failed;
    }
    // Owner first: a change of owner clears the set-id bits that the mode then restores.
    if (old != nullptr && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
        ::fchown(fd, old->st_uid, old->st_gid) != 0) {
        problem = reason();
        ::close(fd);
        ::unlink(temporary.c_str());
        return Outcome::NotHere;
    }
    const mode_t mode = old != nullptr ? (old->st_mode & kPermissionBits) : newFileMode();
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, text) && ::fsync(fd) == 0;
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
        return Outcome::Failed;
    }
    syncFolder(folderOf(target));
    return Outcome::Done;
}

// The in-place way: every check that can fail for lack of room comes before
// the first old byte changes.
bool overwrite(const std::string& target, const std::string& text, std::string& problem) {
    // Non-blocking: a named pipe put in the file's place must not stall the save.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        problem = reason();
        return false;
    }
    struct stat info {};
    rlimit limit{};
    const off_t newSize = static_cast<off_t>(text.size());
    bool ok = true;
    if (::fstat(fd, &info) != 0) {
        problem = reason();
        ok = false;
    } else if (!S_ISREG(info.st_mode)) {
        problem = "not a regular file";
        ok = false;
    } else if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
               text.size() > limit.rlim_cur) {
        // Writing up to the limit would succeed and stop there, half done.
        problem = reason(EFBIG);
        ok = false;
    }
    if (ok && newSize > 0) {
        // Blocks for the whole new length, so the writes cannot meet a full disk.
        const int error = ::posix_fallocate(fd, 0, newSize);
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
            problem = reason(error);
            ok = false;
            struct stat after {};
            // Back to the old length; shrinking needs no room, and what it drops
            // is only the part just reserved.
            if (::fstat(fd, &after) == 0 && after.st_size != info.st_size &&
                ::ftruncate(fd, info.st_size) != 0) {
                problem += ", and its old length could not be restored";
            }
        }
    }
    if (ok && !writeAll(fd, text)) {
        problem = reason();
        ok = false;
    }
    if (ok && info.st_size > newSize && ::ftruncate(fd, newSize) != 0) {
        problem = reason();
        ok = false;
    }
    if (ok && ::fsync(fd) != 0) {
        problem = reason();
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        problem = reason();
        ok = false;
    }
    return ok;
}

}  // namespace

bool SafeFileWriter::write(const std::string& path, const std::string& text, std::string& problem) {
    const std::string target = followLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        problem = reason();
        return false;
    }
    if (exists && S_ISDIR(old.st_mode)) {
        problem = reason(EISDIR);
        return false;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        problem = "not a regular file";
        return false;
    }
    // Either way must honour a file's lack of write permission; renaming would not.
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        problem = reason();
        return false;
    }
    if (!exists || replaceable(target, old)) {
        const Outcome outcome = replace(target, text, exists ? &old : nullptr, problem);
        if (outcome != Outcome::NotHere || !exists) {
            return outcome == Outcome::Done;
        }
    }
    return overwrite(target, text, problem);
}

std::string SafeFileWriter::writeNew(const std::string& folder, const std::string& prefix,
                                     const std::string& text, std::string& problem) {
    rlimit saved{};
    const bool limited = ::getrlimit(RLIMIT_FSIZE, &saved) == 0 && saved.rlim_cur < saved.rlim_max;
    if (limited) {
        const rlimit raised{saved.rlim_max, saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &raised);
    }
    std::string path = folder + "/" + prefix + "XXXXXX";
    const int fd = ::mkstemp(path.data());
    bool ok = fd >= 0 && writeAll(fd, text) && ::fsync(fd) == 0;
    if (!ok) {
        problem = reason();
    }
    if (fd >= 0 && ::close(fd) != 0 && ok) {
        problem = reason();
        ok = false;
    }
    if (!ok && fd >= 0) {
        ::unlink(path.c_str());
    }
    if (limited) {
        ::setrlimit(RLIMIT_FSIZE, &saved);
    }
    return ok ? path : std::string();
}
