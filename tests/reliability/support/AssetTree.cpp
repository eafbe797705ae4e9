#include "tests/reliability/support/AssetTree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace reliability {

namespace {

bool leftOut(const std::string& relative, const std::vector<std::string>& without) {
    for (const std::string& path : without) {
        if (relative == path || relative.rfind(path + "/", 0) == 0) {
            return true;
        }
    }
    return false;
}

fs::path repositoryPath(const std::string& relative) {
    return fs::path(testsupport::repositoryRoot()) / relative;
}

void mirror(const std::string& relative, const std::vector<std::string>& without) {
    fs::create_directories(relative);
    for (const auto& entry : fs::directory_iterator(repositoryPath(relative))) {
        const std::string child = relative + "/" + entry.path().filename().string();
        if (leftOut(child, without)) {
            continue;
        }
        if (entry.is_directory()) {
            mirror(child, without);
        } else if (entry.path().extension() == ".txt") {
            fs::copy_file(entry.path(), child);
        } else {
            fs::create_symlink(entry.path(), child);
        }
    }
}

}  // namespace

void AssetTree::build(const std::vector<std::string>& without) {
    std::vector<std::string> skipped = without;
    skipped.push_back(kBestTimesPath);
    if (!leftOut("assets", without)) {
        mirror("assets", skipped);
        if (!leftOut(kBestTimesPath, without)) {
            replace(kBestTimesPath, kStoredTimes);
        }
    }
    fs::create_directory_symlink("assets", "Assets");
}

void AssetTree::replace(const std::string& relative, const std::string& bytes) {
    const fs::path target(relative);
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path());
    }
    std::error_code ignored;
    if (fs::is_symlink(target, ignored)) {
        fs::remove(target);
    }
    std::ofstream(target, std::ios::binary | std::ios::trunc) << bytes;
}

std::string AssetTree::original(const std::string& relative) {
    std::ifstream in(repositoryPath(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string AssetTree::read(const std::string& relative) {
    std::ifstream in(relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> AssetTree::filesUnder(const std::string& relative) {
    std::vector<std::string> files;
    std::error_code ignored;
    for (auto it = fs::recursive_directory_iterator(relative, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_directory(ignored)) {
            files.push_back(it->path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace reliability
