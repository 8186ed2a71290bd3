#include "BatchFiles.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {

namespace {

Problem SystemMessage(const std::string& what, const std::string& path) {
    return Problem(what + "“" + path + "”：" + std::strerror(errno));
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

Problem ReadWholeFile(const std::string& path, std::string& bytes, std::size_t largest) {
    bytes.clear();
    const bool standardInput = path == "-";
    // Opened without waiting for a writer, so that a FIFO is seen and refused.
    const int fd =
        standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return SystemMessage("不能打开", path);
    const auto closing = [&] {
        if (!standardInput)
            ::close(fd);
    };
    if (!standardInput) {
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            closing();
            return Problem("不能读取“" + path + "”：" +
                           (S_ISDIR(info.st_mode) ? "它是文件夹" : "它不是普通文件") +
                           "（设备、管道等不能作为输入）");
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const Problem message = SystemMessage("不能读取", path);
            closing();
            return message;
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(n) > largest) {
            closing();
            bytes.clear();
            return Problem((standardInput ? std::string("标准输入") : "“" + path + "”") + "超过 " +
                           std::to_string(largest) + " 字节，不能作为输入");
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    closing();
    return {};
}

namespace {

// The temporary file being written, removed by a signal that ends the run.
char g_temporary[4096];
volatile std::sig_atomic_t g_temporarySet = 0;

extern "C" void RemoveTemporaryAndEnd(int caught) {
    if (g_temporarySet)
        ::unlink(g_temporary);
    std::signal(caught, SIG_DFL);
    std::raise(caught);
}

// Watches a temporary file for the time it exists.
class TemporaryWatch {
public:
    explicit TemporaryWatch(const std::string& path) {
        if (path.size() >= sizeof g_temporary)
            return;
        std::memcpy(g_temporary, path.c_str(), path.size() + 1);
        g_temporarySet = 1;
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            previous_[i] = std::signal(kSignals[i], RemoveTemporaryAndEnd);
        watching_ = true;
    }
    ~TemporaryWatch() {
        if (!watching_)
            return;
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            std::signal(kSignals[i], previous_[i]);
        g_temporarySet = 0;
    }
    TemporaryWatch(const TemporaryWatch&) = delete;
    TemporaryWatch& operator=(const TemporaryWatch&) = delete;

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
    void (*previous_[std::size(kSignals)])(int) = {};
    bool watching_ = false;
};

} // namespace

struct AtomicFileWriter::Watch {
    explicit Watch(const std::string& path) : watch(path) {}
    TemporaryWatch watch;
};

AtomicFileWriter::AtomicFileWriter() = default;

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
    }
}

Problem AtomicFileWriter::Open(const std::string& path) {
    path_ = path;
    if (path == "-") {
        standardOutput_ = true;
        return {};
    }
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode))
        return Problem("不能写入“" + path + "”：" +
                       (S_ISDIR(target.st_mode) ? "它是文件夹" : "它不是普通文件（设备、管道等）") +
                       "；请另选一个文件名");
    // A name of its own, created exclusively: a link planted at a fixed name cannot
    // send the write elsewhere.
    temporary_ = path + ".XXXXXX";
    fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd_ < 0)
        return SystemMessage("不能创建临时文件", temporary_);
    watch_ = std::make_unique<Watch>(temporary_);
    // As a file created with open(2) would be: 0666 less the umask.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd_, 0666 & ~mask);
    return {};
}

Problem AtomicFileWriter::Write(std::string_view bytes) {
    if (standardOutput_)
        return WriteAll(STDOUT_FILENO, bytes) ? Problem() : SystemMessage("不能写入", "标准输出");
    if (!WriteAll(fd_, bytes))
        return SystemMessage("不能写入", temporary_);
    return {};
}

Problem AtomicFileWriter::Commit() {
    if (standardOutput_)
        return {};
    if (::fsync(fd_) != 0)
        return SystemMessage("不能写入", temporary_);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const Problem message = SystemMessage("不能写入", temporary_);
        ::unlink(temporary_.c_str());
        return message;
    }
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        const Problem message = SystemMessage("不能替换", path_);
        ::unlink(temporary_.c_str());
        return message;
    }
    watch_.reset();
    return {};
}

Problem WriteFileAtomically(const std::string& path, const std::string& bytes) {
    AtomicFileWriter writer;
    if (Problem problem = writer.Open(path))
        return problem;
    if (Problem problem = writer.Write(bytes))
        return problem;
    return writer.Commit();
}

ProgressLine::ProgressLine(std::size_t total)
    : total_(total), terminal_(::isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
    if (shown_)
        std::fputs("\n", stderr);
}

void ProgressLine::Show(std::size_t done) {
    if (!terminal_ || done == last_)
        return;
    last_ = done;
    shown_ = true;
    std::fprintf(stderr, "\r已计算 %zu / %zu 行", done, total_);
    std::fflush(stderr);
}

} // namespace korvane
