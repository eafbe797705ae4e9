#pragma once

#include <string>

// Replaces a file's contents so that a failure never costs the old contents,
// while keeping what other users and other names see of the file.
//
// A symbolic link is followed: the file it names gets the new contents and the
// link stays. A file the user may not write is refused. Then one of two ways:
// - Replace: the text goes to "<name>.tmp-XXXXXX" beside the file, is synced,
//   gets the old file's mode, owner and group, and is renamed over the file;
//   the folder is synced. A kill or a power loss leaves the old or the new
//   file whole. Taken when the folder is writable and the file is missing, or
//   regular with one link and an owner and group this user can give a new file.
// - Overwrite in place, for every other writable file (read-only folder, file
//   of another owner, second hard link): the new length must fit the size
//   limit and is allocated on disk before a byte changes, then the text is
//   written from the start, the file is cut to the new length and synced. A
//   full disk or a size limit is met before the old bytes change; a kill or a
//   power loss during the write itself can leave a mix of old and new.
class SafeFileWriter {
public:
    // Gives path the contents text as above. Answers false, with the reason in
    // problem (as strerror words it) and the old file as it was, when any step
    // before the file changes fails.
    static bool write(const std::string& path, const std::string& text, std::string& problem);
    // Writes text to a new file "<folder>/<prefix>XXXXXX" (the Xs made unique)
    // with mode 0600, synced, for keeping data that could not be saved where it
    // belongs. A soft file size limit is raised to the hard one for this write
    // only. Answers the new file's path, or "" with the reason in problem.
    static std::string writeNew(const std::string& folder, const std::string& prefix,
                                const std::string& text, std::string& problem);
};
