#pragma once

#include <string>

namespace testsupport {

// A fresh temporary folder that becomes the working directory for the object's
// life; the previous working directory is restored and the folder removed on
// destruction. Programs open their assets by relative paths, so this is how a
// test gives them a folder of its own.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Absolute path of the folder.
    const std::string& path() const { return path_; }
    // Writes a file (relative to the folder), creating parent folders.
    void writeFile(const std::string& relative, const std::string& contents) const;
    // Reads a whole file (relative to the folder); empty when missing.
    std::string readFile(const std::string& relative) const;
    // Links <folder>/assets (and Assets) to the repository's committed assets.
    void linkRepositoryAssets() const;
    // Makes <folder>/assets a folder of links to each entry of the repository's
    // assets except the high-score file, which the test writes itself (or not).
    void linkRepositoryAssetsExceptBestTimes() const;
    // Copies the repository's assets into <folder>/assets, with Assets linking to it.
    void copyRepositoryAssets() const;

private:
    std::string path_;
    std::string previous_;
};

// Absolute path of the repository root.
std::string repositoryRoot();

}  // namespace testsupport
