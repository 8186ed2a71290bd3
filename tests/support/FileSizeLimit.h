#pragma once

// A disk that fills up after a given number of bytes, as far as this process sees it:
// writes past the limit fail with EFBIG instead of raising SIGXFSZ. No root needed.
#include <sys/resource.h>

#include <csignal>

namespace korvane {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() { Lift(); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Active() const { return active_; }
    void Lift() {
        if (active_)
            setrlimit(RLIMIT_FSIZE, &old_);
        active_ = false;
    }

private:
    rlimit old_{};
    bool active_ = false;
};

} // namespace korvane
