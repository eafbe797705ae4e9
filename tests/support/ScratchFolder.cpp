#include "tests/support/ScratchFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testsupport {

ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "kestrun-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
    previous_ = fs::current_path().string();
    fs::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    // Read-only folders made by a test must not stop the clean-up.
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink(ignored)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
    }
    fs::remove_all(path_, ignored);
}

void ScratchFolder::writeFile(const std::string& relative, const std::string& contents) const {
    fs::path target = fs::path(path_) / relative;
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary);
    out << contents;
}

std::string ScratchFolder::readFile(const std::string& relative) const {
    std::ifstream in(fs::path(path_) / relative, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

void ScratchFolder::linkRepositoryAssets() const {
    fs::create_directory_symlink(fs::path(repositoryRoot()) / "assets", fs::path(path_) / "assets");
    fs::create_directory_symlink("assets", fs::path(path_) / "Assets");
}

void ScratchFolder::linkRepositoryAssetsExceptBestTimes() const {
    const fs::path source = fs::path(repositoryRoot()) / "assets";
    const fs::path target = fs::path(path_) / "assets";
    fs::create_directories(target);
    for (const auto& entry : fs::directory_iterator(source)) {
        if (entry.path().filename() != "highscores.txt") {
            fs::create_symlink(entry.path(), target / entry.path().filename());
        }
    }
    fs::create_directory_symlink("assets", fs::path(path_) / "Assets");
}

void ScratchFolder::copyRepositoryAssets() const {
    fs::copy(fs::path(repositoryRoot()) / "assets", fs::path(path_) / "assets",
             fs::copy_options::recursive);
    fs::create_directory_symlink("assets", fs::path(path_) / "Assets");
}

std::string repositoryRoot() {
#ifdef KESTRUN_SOURCE_DIR
    return KESTRUN_SOURCE_DIR;
#else
    const char* root = std::getenv("KESTRUN_SOURCE_DIR");
    return root != nullptr ? root : fs::current_path().string();
#endif
}

}  // namespace testsupport
