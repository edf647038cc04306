#pragma once
#include <sys/resource.h>

#include <csignal>

// Keeps the process from writing files beyond a few kilobytes, as a full disk would.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limited);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // fail the write instead of dying
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};
