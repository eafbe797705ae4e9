#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Numbers drawn from a fuzz input's bytes, cycling through them, plus what every
// reader's fuzz entry needs: a way to stop on a broken invariant and a private
// folder for the files an entry writes.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The next byte, cycling; 0 for an empty input.
    std::uint8_t nextByte();
    // The next four bytes as a number, cycling; 0 for an empty input.
    std::uint32_t next();

    // Stops the process with the invariant's name when it does not hold, so the
    // fuzzer keeps the input as a finding.
    static void require(bool condition, const char* what);
    // A temporary folder of this process's own, made once and kept for its life.
    static const std::string& scratchFolder();
    // Writes bytes to path, replacing it.
    static void writeFile(const std::string& path, const std::string& bytes);
    // Reads a whole file; empty when it cannot be read.
    static std::string readFile(const std::string& path);

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};
