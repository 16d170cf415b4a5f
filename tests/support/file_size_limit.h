#pragma once
// A full disk, as far as one process can tell: limits the size of files this process may write
// for as long as the object lives, and ignores the signal the limit raises, so that a write past
// it fails like a write to a full disk. Root cannot write past the limit either.

#include <csignal>
#include <sys/resource.h>

namespace tarvok::testing_files {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*old_handler_)(int) = SIG_DFL;
    bool active_ = false;
};

}  // namespace tarvok::testing_files
