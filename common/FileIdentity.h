#pragma once

#include <filesystem>
#include <string>
#include <system_error>

// Tells whether two paths name one file, so that a program never writes its
// output over one of its inputs.
class FileIdentity {
public:
    // The same file system object when both exist, else the same normalised
    // absolute path (an output not made yet can still name an input's place).
    static bool same(const std::string& a, const std::string& b) {
        namespace fs = std::filesystem;
        std::error_code error;
        if (fs::exists(a, error) && fs::exists(b, error)) {
            const bool equivalent = fs::equivalent(a, b, error);
            return !error && equivalent;
        }
        return fs::absolute(a, error).lexically_normal() ==
               fs::absolute(b, error).lexically_normal();
    }
};
