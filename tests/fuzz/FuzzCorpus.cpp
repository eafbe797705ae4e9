#include "tests/fuzz/FuzzCorpus.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

std::vector<std::string> FuzzCorpus::inputs(const std::string& name) {
    std::vector<std::string> files;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path root = fs::path(KESTRUN_FUZZ_DIR) / kind / name;
        if (!fs::is_directory(root)) {
            continue;
        }
        for (const auto& entry : fs::directory_iterator(root)) {
            const std::string file = entry.path().filename().string();
            if (entry.is_regular_file() && file[0] != '.' && file != "README") {
                files.push_back(entry.path().string());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string FuzzCorpus::bytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string FuzzCorpus::testName(const std::string& path, std::size_t index) {
    const fs::path file(path);
    std::string name =
        file.parent_path().parent_path().filename().string() + "_" + file.filename().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name + "_" + std::to_string(index);
}
