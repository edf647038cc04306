#pragma once
// A file from outside (a saved game, a skin's text or picture, a sound) opened for reading on the
// window thread. It is opened once, without waiting (for a pipe's writer, a terminal's typing),
// and checked as opened: what is read is what was checked, even if the path is pointed elsewhere
// meanwhile. Only a plain file no longer than its reader takes stays open.
#include <QByteArray>

#include <filesystem>
#include <sys/stat.h>

namespace forms {

class PlainFile {
public:
    // Missing covers a path through something that is no folder, and one that cannot be looked
    // at; NotPlain is a folder, a pipe, a device or a socket; Unreadable is a plain file that may
    // not be read; TooLong is a plain file longer than its reader takes.
    enum class Problem { None, Missing, NotPlain, Unreadable, TooLong };

    // `longest` is the most bytes the file's reader takes, chosen from what the file is for. The
    // length is the opened file's own, so a longer file is refused before a byte of it is read,
    // however little room it takes on disk (a sparse file of gigabytes takes a few kilobytes).
    PlainFile(const std::filesystem::path& path, off_t longest);
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
    // The file's bytes, from its start up to the length it had when opened, however it has grown
    // since. Empty when it is not open.
    QByteArray readAll() const;

private:
    int fd_ = -1;
    struct stat status_ {};
    Problem problem_ = Problem::Missing;
};

}  // namespace forms
