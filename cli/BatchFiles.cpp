#include "BatchFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace korvane {

namespace {

Problem SystemMessage(const std::string& what, const std::string& path) {
    return Problem(what + "“" + path + "”：" + std::strerror(errno));
}

bool WriteAll(int fd, const std::string& bytes) {
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

Problem ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const bool standardInput = path == "-";
    const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return SystemMessage("不能打开", path);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const Problem message = SystemMessage("不能读取", path);
            if (!standardInput)
                ::close(fd);
            return message;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    if (!standardInput)
        ::close(fd);
    return {};
}

Problem WriteFileAtomically(const std::string& path, const std::string& bytes) {
    if (path == "-") {
        if (!WriteAll(STDOUT_FILENO, bytes))
            return SystemMessage("不能写入", "标准输出");
        return {};
    }
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return SystemMessage("不能创建", temporary);
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        const Problem message = SystemMessage("不能写入", temporary);
        ::close(fd);
        ::unlink(temporary.c_str());
        return message;
    }
    if (::close(fd) != 0) {
        const Problem message = SystemMessage("不能写入", temporary);
        ::unlink(temporary.c_str());
        return message;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const Problem message = SystemMessage("不能替换", path);
        ::unlink(temporary.c_str());
        return message;
    }
    return {};
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
