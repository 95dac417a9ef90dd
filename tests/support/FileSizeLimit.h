#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>

namespace suoshui::testing {

// While it lives, the files this process writes cannot grow past the limit: a write beyond it
// fails as on a full disk (with EFBIG, the signal that would end the process ignored).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::int64_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit before_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace suoshui::testing
