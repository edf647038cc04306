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
#include <memory>
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
        for (const char* name : Environment) {
            if (const char* value = std::getenv(name)) saved_.emplace_back(name, value);
        }
    }
    void TearDown() override {
        for (const char* name : Environment) unsetenv(name);
        for (const auto& [name, value] : saved_) setenv(name.c_str(), value.c_str(), 1);
    }
    QString lockPath() const { return folder.filePath("tesselby.lock"); }
    // A start with no runtime folder, whose temporary and cache folders are the test's own.
    void withoutRuntimeFolder() {
        unsetenv("XDG_RUNTIME_DIR");
        setenv("TMPDIR", folder.path().toLocal8Bit().constData(), 1);
        setenv("XDG_CACHE_HOME", QFile::encodeName(cacheFolder()).constData(), 1);
    }
    QString cacheFolder() const { return folder.filePath("cache"); }
    bool runningAsRoot() const { return geteuid() == 0; }

    // Each leaves the folder `name` as someone else might have before the game first made it:
    // writable by others, a link to a folder, or not the user's own.
    using Leave = std::function<void(const QByteArray& name)>;
    std::vector<std::pair<const char*, Leave>> unsafeFolders() const {
        const auto folderWithMode = [](mode_t mode) {
            return [mode](const QByteArray& name) {
                ASSERT_EQ(mkdir(name.constData(), 0700) | chmod(name.constData(), mode), 0);
            };
        };
        const QByteArray elsewhere = QFile::encodeName(folder.filePath("elsewhere"));
        std::vector<std::pair<const char*, Leave>> ways = {
            {"writable by all", folderWithMode(0777)},
            {"writable by the group", folderWithMode(0770)},
            {"a link to a folder",
             [elsewhere](const QByteArray& name) {
                 mkdir(elsewhere.constData(), 0700);
                 ASSERT_EQ(symlink(elsewhere.constData(), name.constData()), 0);
             }},
        };
        if (runningAsRoot()) {
            ways.emplace_back("another user's", [](const QByteArray& name) {
                ASSERT_EQ(mkdir(name.constData(), 0755) | chown(name.constData(), Nobody, Nobody),
                          0);
            });
        }
        return ways;
    }
    // Leaves `name` the way `leave` does, with a lock file in it that someone else holds.
    std::unique_ptr<OtherProcess> leaveHeld(const QByteArray& name, const Leave& leave) {
        std::filesystem::remove_all(name.constData());
        leave(name);
        const QString lockInIt = QFile::decodeName(name) + "/tesselby.lock";
        QFile(lockInIt).open(QIODevice::WriteOnly);
        return std::make_unique<OtherProcess>([lockInIt] { holdLockOn(lockInIt); });
    }
    QTemporaryDir folder;

private:
    static constexpr const char* Environment[] = {"XDG_RUNTIME_DIR", "TMPDIR", "XDG_CACHE_HOME",
                                                  "HOME"};
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

// Another user who makes the temporary folder's lock folder first cannot turn the single
// instance off: the lock moves to the user's own cache folder.
TEST_F(SingleInstance, UnsafeTemporaryLockFolderMovesTheLockToTheCacheFolder) {
    withoutRuntimeFolder();
    const QByteArray temporary =
        QFile::encodeName(QFileInfo(qtui::InstanceLock::defaultPath()).path());
    ASSERT_NE(QFile::decodeName(temporary).toStdString(), cacheFolder().toStdString());
    const QByteArray cache = QFile::encodeName(cacheFolder());

    for (const auto& [what, leave] : unsafeFolders()) {
        const auto someoneElse = leaveHeld(temporary, leave);
        ASSERT_TRUE(someoneElse->running()) << what;
        std::filesystem::remove_all(cache.constData());  // made when missing

        const QString path = qtui::InstanceLock::defaultPath();
        EXPECT_EQ(path.toStdString(), (cacheFolder() + "/tesselby.lock").toStdString()) << what;
        struct stat info {};
        ASSERT_EQ(lstat(cache.constData(), &info), 0) << what;
        EXPECT_EQ(info.st_mode & 07777, 0700u) << what;

        // Two copies in one process open the file apart, as two processes do.
        qtui::InstanceLock first(path);
        qtui::InstanceLock second(qtui::InstanceLock::defaultPath());
        EXPECT_FALSE(first.heldElsewhere()) << what;
        EXPECT_TRUE(second.heldElsewhere()) << what;
        first.release();

        OtherProcess running([] {
            static qtui::InstanceLock lock(qtui::InstanceLock::defaultPath());
            if (lock.heldElsewhere()) _exit(1);
        });
        ASSERT_TRUE(running.running()) << what;
        EXPECT_TRUE(qtui::InstanceLock(qtui::InstanceLock::defaultPath()).heldElsewhere()) << what;
    }

    // The cache folder of a user who names none, or names one that is no absolute path.
    setenv("HOME", folder.filePath("home").toLocal8Bit().constData(), 1);
    ASSERT_TRUE(QDir(folder.path()).mkdir("home"));
    const QString inHome = folder.filePath("home/.cache/tesselby.lock");
    unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(qtui::InstanceLock::defaultPath().toStdString(), inHome.toStdString());
    setenv("XDG_CACHE_HOME", "cache", 1);
    EXPECT_EQ(qtui::InstanceLock::defaultPath().toStdString(), inHome.toStdString());
}

TEST_F(SingleInstance, UnsafeTemporaryAndCacheFoldersMeanAStartWithoutLock) {
    withoutRuntimeFolder();
    const QByteArray temporary =
        QFile::encodeName(QFileInfo(qtui::InstanceLock::defaultPath()).path());
    ASSERT_NE(QFile::decodeName(temporary).toStdString(), folder.path().toStdString());
    const QByteArray cache = QFile::encodeName(cacheFolder());

    for (const auto& [what, leave] : unsafeFolders()) {
        const auto inTemporary = leaveHeld(temporary, unsafeFolders().front().second);
        const auto inCache = leaveHeld(cache, leave);
        ASSERT_TRUE(inTemporary->running() && inCache->running()) << what;
        EXPECT_FALSE(qtui::InstanceLock(qtui::InstanceLock::defaultPath()).heldElsewhere()) << what;
    }

    for (const QByteArray& name : {temporary, cache}) {
        std::filesystem::remove_all(name.constData());
        QFile(QFile::decodeName(name)).open(QIODevice::WriteOnly);  // a plain file where it goes
    }
    EXPECT_TRUE(qtui::InstanceLock::defaultPath().isEmpty());
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
