#pragma once

#include "Problem.h"

#include <cstddef>
#include <string>

namespace korvane {

// The files of a batch: what is read whole, what is written all or nothing.

// Reads the file at `path` ("-": standard input) into `bytes`.
Problem ReadWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` to `path` ("-": standard output). A file is written beside its place
// as PATH.tmp, flushed to the disk and renamed over PATH, so that PATH holds either
// its earlier content or all of the new one, never a part.
Problem WriteFileAtomically(const std::string& path, const std::string& bytes);

// "已计算 N / M 行" on one line of the terminal, rewritten in place; nothing when
// standard error is not a terminal.
class ProgressLine {
public:
    explicit ProgressLine(std::size_t total);
    ~ProgressLine();
    void Show(std::size_t done);

private:
    std::size_t total_;
    bool terminal_;
    bool shown_ = false;
    std::size_t last_ = static_cast<std::size_t>(-1);
};

} // namespace korvane
