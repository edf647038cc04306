#include "platform/qt/instance_lock.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qtui {
namespace {

constexpr auto LockName = "tesselby.lock";

// A folder nobody else can put a file into or swap for another: a real directory (no link) of
// this user, which neither group nor others may write. Made, private, when missing.
bool isPrivateFolder(const QByteArray& folder) {
    if (mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) return false;
    struct stat info {};
    return lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The user's cache folder, where the base directories of the desktop put it.
QString cacheFolder() {
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    return QDir::isAbsolutePath(cache) ? cache : QDir::home().filePath(QStringLiteral(".cache"));
}

}  // namespace

InstanceLock::InstanceLock(const QString& path) : path_(path) {}

bool InstanceLock::heldElsewhere() {
    if (fd_ >= 0 || path_.isEmpty()) return false;
    // Not inherited by a program the game starts, which would otherwise keep the lock after it.
    const int fd =
        open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
        close(fd);  // someone else's file: whoever holds it, it is no copy of the game
        return false;
    }
    int locked;
    do {
        locked = flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        fd_ = fd;
        return false;
    }
    const bool anotherCopy = errno == EWOULDBLOCK;
    close(fd);
    return anotherCopy;
}

void InstanceLock::release() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
}

QString InstanceLock::defaultPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime)) return QDir(runtime).filePath(LockName);
    // The temporary folder is shared with every user: the lock goes into a folder of its own
    // there, so that no one else can leave a file where it goes.
    const QString folder =
        QDir(QDir::tempPath()).filePath(QStringLiteral("tesselby-%1").arg(geteuid()));
    if (isPrivateFolder(QFile::encodeName(folder))) return QDir(folder).filePath(LockName);
    // Someone else may have made that folder first, to turn the single instance off. The cache
    // folder is the user's own: the lock goes there rather than nowhere.
    const QString cache = cacheFolder();
    return isPrivateFolder(QFile::encodeName(cache)) ? QDir(cache).filePath(LockName) : QString();
}

}  // namespace qtui
