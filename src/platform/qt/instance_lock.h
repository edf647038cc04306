#pragma once
// One running copy of the program: an advisory lock on a file in a folder only the user can write
// (the runtime folder where there is one). The kernel drops it when the copy ends, however it
// ends, so a crash leaves nothing behind. Only a lock that a running copy holds counts: a lock
// file that cannot be opened or locked, or that is not the user's own, lets the game start.
#include <QString>

namespace qtui {

class InstanceLock {
public:
    explicit InstanceLock(const QString& path = defaultPath());
    ~InstanceLock() { release(); }
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True while another running copy holds the lock. The first call that finds it free takes
    // it for this copy, which holds it until the end.
    bool heldElsewhere();
    void release();

    // In the runtime folder; without one, in a folder of the temporary folder that only the user
    // can write, or where that folder is not safe to use, in the user's cache folder. Empty,
    // meaning no lock at all, when neither is safe.
    static QString defaultPath();

private:
    QString path_;
    int fd_ = -1;
};

}  // namespace qtui
