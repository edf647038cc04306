#pragma once
// One running copy of the program: a lock file in the user's runtime folder. A lock left behind
// by a copy that crashed does not count.
#include <QLockFile>
#include <QString>

namespace qtui {

class InstanceLock {
public:
    explicit InstanceLock(const QString& path = defaultPath());

    // True while another running copy holds the lock. The first call that finds it free takes
    // it for this copy, which holds it until the end.
    bool heldElsewhere();
    void release() { lock_.unlock(); }

    static QString defaultPath();

private:
    QLockFile lock_;
};

}  // namespace qtui
