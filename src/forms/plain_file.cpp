#include "forms/plain_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace forms {

PlainFile::PlainFile(const std::filesystem::path& path, off_t longest)
    : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)) {
    // Where opening failed, the path is only looked at, never opened, to tell why.
    const bool seen = fd_ >= 0 ? fstat(fd_, &status_) == 0 : stat(path.c_str(), &status_) == 0;
    if (!seen)
        problem_ = fd_ >= 0 ? Problem::Unreadable : Problem::Missing;
    else if (!S_ISREG(status_.st_mode))
        problem_ = Problem::NotPlain;
    else if (fd_ < 0)
        problem_ = Problem::Unreadable;
    else
        problem_ = status_.st_size > longest ? Problem::TooLong : Problem::None;
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

QByteArray PlainFile::readAll() const {
    if (fd_ < 0) return {};
    // Reading a plain file never waits, whether or not the descriptor is non-blocking.
    QByteArray bytes(static_cast<qsizetype>(status_.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            pread(fd_, bytes.data() + done, static_cast<size_t>(bytes.size() - done),
                  static_cast<off_t>(done));
        if (got > 0)
            done += got;
        else if (got == 0 || errno != EINTR)
            break;  // shorter than when opened, or unreadable from here on: what was read is all
    }
    bytes.truncate(done);
    return bytes;
}

}  // namespace forms
