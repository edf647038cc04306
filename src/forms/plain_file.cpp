#include "forms/plain_file.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace forms {

PlainFile::PlainFile(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)) {
    // Where opening failed, the path is only looked at, never opened, to tell why.
    const bool seen = fd_ >= 0 ? fstat(fd_, &status_) == 0 : stat(path.c_str(), &status_) == 0;
    if (!seen)
        problem_ = fd_ >= 0 ? Problem::Unreadable : Problem::Missing;
    else if (!S_ISREG(status_.st_mode))
        problem_ = Problem::NotPlain;
    else
        problem_ = fd_ >= 0 ? Problem::None : Problem::Unreadable;
    if (problem_ != Problem::None && fd_ >= 0) close(release());
}

PlainFile::~PlainFile() {
    if (fd_ >= 0) close(fd_);
}

int PlainFile::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

std::unique_ptr<QFile> PlainFile::releaseAsQFile() {
    if (fd_ < 0) return nullptr;
    // Reading a plain file never waits, whether or not the descriptor is non-blocking.
    auto file = std::make_unique<QFile>();
    if (!file->open(fd_, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return nullptr;
    release();
    return file;
}

}  // namespace forms
