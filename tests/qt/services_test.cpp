// Single instance and the mail link.
#include "platform/qt/instance_lock.h"
#include "platform/qt/launcher.h"
#include "qt_fixture.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override { qttest::application(); }
    QString lockPath() const { return folder.filePath("tesselby.lock"); }
    QTemporaryDir folder;
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

TEST_F(SingleInstance, LockLeftByACrashedCopyDoesNotCount) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(lockPath());
        lock.tryLock(0);
        _exit(0);  // dies holding the lock, as a crash would
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(QFileInfo::exists(lockPath()));

    qtui::InstanceLock next(lockPath());
    EXPECT_FALSE(next.heldElsewhere());
}

TEST_F(SingleInstance, ALockThatCannotBeWrittenDoesNotStopTheGame) {
    qtui::InstanceLock lock(folder.filePath("no-such-folder/tesselby.lock"));
    EXPECT_FALSE(lock.heldElsewhere());
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
