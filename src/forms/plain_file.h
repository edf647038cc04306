#pragma once
// A file from outside (a saved game, a skin's text or picture, a sound) opened for reading on the
// window thread. It is opened once, without waiting (for a pipe's writer, a terminal's typing),
// and checked as opened: what is read is what was checked, even if the path is pointed elsewhere
// meanwhile. Only a plain file stays open.
#include <filesystem>
#include <memory>
#include <sys/stat.h>

class QFile;

namespace forms {

class PlainFile {
public:
    // Missing covers a path through something that is no folder, and one that cannot be looked
    // at; NotPlain is a folder, a pipe, a device or a socket; Unreadable is a plain file that may
    // not be read.
    enum class Problem { None, Missing, NotPlain, Unreadable };

    explicit PlainFile(const std::filesystem::path& path);
    ~PlainFile();
    PlainFile(const PlainFile&) = delete;
    PlainFile& operator=(const PlainFile&) = delete;

    Problem problem() const { return problem_; }
    explicit operator bool() const { return problem_ == Problem::None; }
    // The file as opened: its size, times and identity. Only meaningful when it is open.
    const struct stat& status() const { return status_; }
    int descriptor() const { return fd_; }

    // Gives up the descriptor to whoever closes it from now on.
    int release();
    // The open file as a QFile that closes it; null when it is not open.
    std::unique_ptr<QFile> releaseAsQFile();

private:
    int fd_ = -1;
    struct stat status_ {};
    Problem problem_ = Problem::Missing;
};

}  // namespace forms
