#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives no file may grow beyond limit bytes: a write past it fails (EFBIG), as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit lower{limit, m_before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lower);
        std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before{};
};
