// Single instance and the mail link.
#include "platform/qt/instance_lock.h"
#include "platform/qt/launcher.h"
#include "qt_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>
#include <grp.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

// A process of its own that runs `take` and then stays alive, as a running copy would, until it
// is killed.
class OtherProcess {
public:
    template <class Take>
    explicit OtherProcess(Take take) {
        int ready[2];
        if (pipe(ready) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            take();
            const char done = 1;
            if (write(ready[1], &done, 1) != 1) _exit(1);
            for (;;) pause();
        }
        close(ready[1]);
        char done = 0;
        if (pid_ > 0 && read(ready[0], &done, 1) != 1) kill();  // went before it took anything
        close(ready[0]);
    }
    ~OtherProcess() { kill(); }
    OtherProcess(const OtherProcess&) = delete;
    OtherProcess& operator=(const OtherProcess&) = delete;

    bool running() const { return pid_ > 0; }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

// Someone else's lock, not a copy of the game: a plain advisory lock on `path`, opened as it is.
void holdLockOn(const QString& path) {
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || flock(fd, LOCK_EX) != 0) _exit(1);
}

// What a copy started by the user nobody would find, asked in a process of its own.
bool heldElsewhereForNobody(const QString& path) {
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0) _exit(2);
        qtui::InstanceLock lock(path);
        _exit(lock.heldElsewhere() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not become nobody";
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::application();
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
            if (const char* value = std::getenv(name)) saved_.emplace_back(name, value);
        }
    }
    void TearDown() override {
        unsetenv("XDG_RUNTIME_DIR");
        unsetenv("TMPDIR");
        for (const auto& [name, value] : saved_) setenv(name.c_str(), value.c_str(), 1);
    }
    QString lockPath() const { return folder.filePath("tesselby.lock"); }
    // A start with no runtime folder, whose temporary folder is the test's own.
    void withoutRuntimeFolder() {
        unsetenv("XDG_RUNTIME_DIR");
        setenv("TMPDIR", folder.path().toLocal8Bit().constData(), 1);
    }
    bool runningAsRoot() const { return geteuid() == 0; }
    QTemporaryDir folder;

private:
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(SingleInstance, SecondCopyFindsTheFirstRunning) {
    qtui::InstanceLock first(lockPath());
    qtui::InstanceLock second(lockPath());
    EXPECT_FALSE(first.heldElsewhere());
    EXPECT_FALSE(first.heldElsewhere());  // asked again at every load of the game window
    EXPECT_TRUE(second.heldElsewhere());

    first.release();
    EXPECT_FALSE(second.heldElsewhere());
}

TEST_F(SingleInstance, CopyInAnotherProcessCountsUntilItIsKilled) {
    OtherProcess running([&] {
        static qtui::InstanceLock lock(lockPath());
        if (lock.heldElsewhere()) _exit(1);
    });
    ASSERT_TRUE(running.running());
    qtui::InstanceLock next(lockPath());
    EXPECT_TRUE(next.heldElsewhere());

    running.kill();  // dies holding the lock, as a crash would
    ASSERT_TRUE(QFileInfo::exists(lockPath()));
    EXPECT_FALSE(next.heldElsewhere());
}

TEST_F(SingleInstance, LockThatCannotBeTakenDoesNotStopTheGame) {
    qtui::InstanceLock inMissingFolder(folder.filePath("no-such-folder/tesselby.lock"));
    EXPECT_FALSE(inMissingFolder.heldElsewhere());

    ASSERT_TRUE(QDir(folder.path()).mkdir("tesselby.lock"));
    qtui::InstanceLock onAFolder(lockPath());
    EXPECT_FALSE(onAFolder.heldElsewhere());
    EXPECT_FALSE(qtui::InstanceLock(lockPath()).heldElsewhere());
}

TEST_F(SingleInstance, AnotherUsersLockFileInASharedFolderDoesNotStopTheGame) {
    if (!runningAsRoot()) GTEST_SKIP() << "needs to start a copy as another user";
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()).constData(), 01777), 0);  // like /tmp
    for (const mode_t mode : {0644, 0666}) {  // not writable by the user, or writable by all
        QFile::remove(lockPath());
        const int fd = open(QFile::encodeName(lockPath()).constData(), O_CREAT | O_WRONLY, mode);
        ASSERT_GE(fd, 0);
        fchmod(fd, mode);
        close(fd);
        OtherProcess owner([&] { holdLockOn(lockPath()); });
        ASSERT_TRUE(owner.running());
        EXPECT_FALSE(heldElsewhereForNobody(lockPath())) << std::oct << mode;
    }
}

TEST_F(SingleInstance, WithoutRuntimeFolderTheLockLivesInAFolderOnlyTheUserCanWrite) {
    withoutRuntimeFolder();
    const QString path = qtui::InstanceLock::defaultPath();
    const QByteArray lockFolder = QFile::encodeName(QFileInfo(path).path());
    ASSERT_NE(QFileInfo(path).path().toStdString(), folder.path().toStdString());
    struct stat info {};
    ASSERT_EQ(lstat(lockFolder.constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    EXPECT_EQ(info.st_uid, geteuid());

    qtui::InstanceLock first(qtui::InstanceLock::defaultPath());
    qtui::InstanceLock second(qtui::InstanceLock::defaultPath());
    EXPECT_FALSE(first.heldElsewhere());
    EXPECT_TRUE(second.heldElsewhere());
}

TEST_F(SingleInstance, UnsafeFallbackFolderMeansAStartWithoutLock) {
    withoutRuntimeFolder();
    const QString privateFolder = QFileInfo(qtui::InstanceLock::defaultPath()).path();
    ASSERT_NE(privateFolder.toStdString(), folder.path().toStdString());
    const QByteArray name = QFile::encodeName(privateFolder);
    const QByteArray elsewhere = QFile::encodeName(folder.filePath("elsewhere"));
    ASSERT_EQ(mkdir(elsewhere.constData(), 0700), 0);
    QFile(folder.filePath("elsewhere/tesselby.lock")).open(QIODevice::WriteOnly);

    // Each leaves the folder as someone else might have, with a lock file in it that someone else
    // holds.
    const auto folderWithMode = [&](mode_t mode) {
        return [&name, mode] {
            ASSERT_EQ(mkdir(name.constData(), 0700) | chmod(name.constData(), mode), 0);
        };
    };
    std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"writable by all", folderWithMode(0777)},
        {"writable by the group", folderWithMode(0770)},
        {"a link to a folder",
         [&] { ASSERT_EQ(symlink(elsewhere.constData(), name.constData()), 0); }},
    };
    if (runningAsRoot()) {
        cases.emplace_back("another user's", [&] {
            ASSERT_EQ(mkdir(name.constData(), 0755) | chown(name.constData(), Nobody, Nobody), 0);
        });
    }
    for (const auto& [what, leave] : cases) {
        std::filesystem::remove_all(name.constData());
        leave();
        const QString lockInIt = privateFolder + "/tesselby.lock";
        QFile(lockInIt).open(QIODevice::WriteOnly);
        OtherProcess someoneElse([&] { holdLockOn(lockInIt); });
        ASSERT_TRUE(someoneElse.running()) << what;
        EXPECT_FALSE(qtui::InstanceLock(qtui::InstanceLock::defaultPath()).heldElsewhere()) << what;
    }

    std::filesystem::remove_all(name.constData());
    QFile(privateFolder).open(QIODevice::WriteOnly);  // a plain file where the folder goes
    EXPECT_FALSE(qtui::InstanceLock(qtui::InstanceLock::defaultPath()).heldElsewhere());
}

TEST(MailLink, StartMailtoCommandOpensTheMailAddress) {
    const auto link = qtui::mailLinkOf("start mailto:tesselby@example.org");
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->scheme(), "mailto");
    EXPECT_EQ(link->path(), "tesselby@example.org");
}

TEST(MailLink, AnyOtherCommandLineIsIgnored) {
    EXPECT_FALSE(qtui::mailLinkOf("").has_value());
    EXPECT_FALSE(qtui::mailLinkOf("start").has_value());
    EXPECT_FALSE(qtui::mailLinkOf("start mailto:").has_value());
    EXPECT_FALSE(qtui::mailLinkOf("start http://example.org").has_value());
    EXPECT_FALSE(qtui::mailLinkOf("notepad.exe readme.txt").has_value());
    EXPECT_FALSE(qtui::mailLinkOf("rm -rf mailto:x").has_value());
}

}  // namespace
