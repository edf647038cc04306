#include "platform/qt/instance_lock.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

namespace qtui {

InstanceLock::InstanceLock(const QString& path) : lock_(path) {
    // The lock lasts as long as the program, so only a dead owner makes it stale, never its age.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::heldElsewhere() {
    if (lock_.isLocked()) return false;
    // tryLock removes a lock whose owner no longer runs before it gives up. Only a lock that a
    // running copy holds means another instance: a lock file that cannot be written at all (no
    // runtime folder, a full disk) must not keep the game from starting.
    if (lock_.tryLock(0)) return false;
    return lock_.error() == QLockFile::LockFailedError;
}

QString InstanceLock::defaultPath() {
    // Without XDG_RUNTIME_DIR Qt would warn on stderr and pick a folder of its own; the temporary
    // folder with the user's id in the name serves as well.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return QDir(QDir::tempPath()).filePath(QStringLiteral("tesselby-%1.lock").arg(getuid()));
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("tesselby.lock"));
}

}  // namespace qtui
