#pragma once

#include <string>
#include <vector>

// The committed inputs of a fuzz target: its seed corpus (corpus/<name>) and the
// inputs that once failed (regressions/<name>), for regression tests that run
// them in every build.
class FuzzCorpus {
public:
    // Paths of every committed input of the target, sorted; hidden files skipped.
    static std::vector<std::string> inputs(const std::string& name);
    // The bytes of one input.
    static std::string bytesOf(const std::string& path);
    // A test name for an input: its folder, its file name and its index, with
    // everything but letters and digits turned into '_'.
    static std::string testName(const std::string& path, std::size_t index);
};
