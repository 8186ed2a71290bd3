#pragma once

#include "Problem.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace korvane {

// The files of a batch: what is read whole, what is written all or nothing.

// Reads the file at `path` ("-": standard input) into `bytes`, at most `largest` bytes
// (more is refused). Only a regular file is opened: a FIFO or a device would block or
// never end.
Problem ReadWholeFile(const std::string& path, std::string& bytes,
                      std::size_t largest = static_cast<std::size_t>(-1));

// Writes `bytes` to `path` ("-": standard output). A file is written beside its place
// in a temporary file of a name of its own (created anew, never through a link),
// flushed to the disk and renamed over PATH, so that PATH holds either its earlier
// content or all of the new one, never a part. A PATH that exists and is not a regular
// file is refused. The temporary file is removed when the run is interrupted.
Problem WriteFileAtomically(const std::string& path, const std::string& bytes);

// A file written piece by piece and put in place whole, as WriteFileAtomically writes
// it ("-": standard output, written as it comes). Until Commit() succeeds the target is
// untouched, and the temporary file goes when the writer does.
class AtomicFileWriter {
public:
    AtomicFileWriter();
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    Problem Open(const std::string& path);
    Problem Write(std::string_view bytes);
    Problem Commit();

private:
    struct Watch;
    std::string path_;
    std::string temporary_;
    int fd_ = -1;
    bool standardOutput_ = false;
    std::unique_ptr<Watch> watch_;
};

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
