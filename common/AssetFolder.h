#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

// The programs open their content by paths relative to the working folder, so
// they must be started from the folder that holds it.
class AssetFolder {
public:
    // Prints one line naming where program must be started from when folder is
    // not in the working folder; installed names how the installed programs are
    // started. Returns whether the folder is there.
    static bool check(const char* folder, const char* program, const char* installed) {
        std::error_code error;
        if (std::filesystem::is_directory(folder, error)) {
            return true;
        }
        const std::string here = std::filesystem::current_path(error).string();
        std::printf(
            "Asset folder \"%s\" not found in %s: start %s from the folder that holds it (the "
            "repository root), or %s\n",
            folder, here.c_str(), program, installed);
        std::fflush(stdout);
        return false;
    }
};
