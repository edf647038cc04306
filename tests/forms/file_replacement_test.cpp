// Output files replace the file they are written to: atomically where the folder takes a new
// file, in place where it does not, keeping owner and permissions, and cleaning up after saves
// that were cut short.
#include "forms/file_replacement.h"
#include "forms/textfile.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "dies_at_first_write.h"
#include "error_code_of.h"
#include "full_disk.h"

namespace fs = std::filesystem;
using forms::ErrorCode;
using forms::FileMode;
using forms::TextFile;

namespace {

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;
constexpr uid_t Intruder = 65533;  // a user of no name, neither this one nor nobody
constexpr int CouldNotBecomeTheUser = 255;
constexpr int CouldNotStopAtWrites = 254;

// 0 when `statement` raised no run-time error, else the error's number.
int outcomeOf(const std::function<void()>& statement) {
    const auto error = errorCodeOf(statement);
    return error ? static_cast<int>(*error) : 0;
}

int number(ErrorCode code) { return static_cast<int>(code); }

int waitFor(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A watch on the files made in `folder` from now on, for openEachNewFile.
int watchForNewFiles(const fs::path& folder) {
    const int watch = inotify_init1(IN_CLOEXEC);
    inotify_add_watch(watch, folder.c_str(), IN_CREATE);
    return watch;
}

// Run in a child process: opens each file made in the watched `folder` as soon as it is told of
// it, until a file named "done" is made; then ends with the number of files it could open (100 at
// most). With `holdALock`, it keeps a shared lock on the first of them it can lock.
[[noreturn]] void openEachNewFile(int watch, const fs::path& folder, bool holdALock) {
    int opened = 0;
    alignas(inotify_event) char events[4096];
    for (;;) {
        const ssize_t length = read(watch, events, sizeof events);
        if (length <= 0) _exit(100);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            const std::string name = event->name;
            if (name == "done") _exit(std::min(opened, 100));
            const int fd = open((folder / name).c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW);
            if (fd < 0) continue;
            ++opened;
            if (holdALock && flock(fd, LOCK_SH | LOCK_NB) == 0) {
                holdALock = false;  // and the file stays open
            } else {
                close(fd);
            }
        }
    }
}

class ReplacingFiles : public testing::Test {
protected:
    void SetUp() override { fs::permissions(folder, fs::perms(0755)); }

    fs::path write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    static std::vector<std::string> namesIn(const fs::path& path) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static void save(const fs::path& path, const std::vector<std::string>& lines) {
        TextFile file;
        file.open(path, FileMode::Output);
        for (const std::string& line : lines) file.printLine(line);
        file.close();
    }

    static mode_t modeOf(const fs::path& path) {
        struct stat status {};
        stat(path.c_str(), &status);
        return status.st_mode & 07777;
    }

    static uid_t ownerOf(const fs::path& path) {
        struct stat status {};
        lstat(path.c_str(), &status);
        return status.st_uid;
    }

    QTemporaryDir dir;
    fs::path folder = dir.path().toStdString();
};

// Permission bits do not bind root, which the tests may run as: these cases run `statement` in a
// child process that has become the user nobody, and give its outcome.
class ReplacingFilesAsAnotherUser : public ReplacingFiles {
protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "only root can become another user";
        ReplacingFiles::SetUp();
    }

    static int asNobody(const std::function<void()>& statement) {
        return waitFor(startAs(Nobody, [&] { _exit(outcomeOf(statement)); }));
    }

    // A child process that has become the user `user` (and the group of that number) and does
    // `work`.
    static pid_t startAs(uid_t user, const std::function<void()>& work) {
        const pid_t child = fork();
        if (child == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0) {
                _exit(CouldNotBecomeTheUser);
            }
            work();
            _exit(0);
        }
        return child;
    }

    // A folder nobody may read but not write, holding nobody's file `game.tby`.
    fs::path gameInReadOnlyFolder(const std::string& bytes, mode_t mode) {
        const fs::path saves = folder / "saves";
        fs::create_directory(saves);
        const fs::path game = write(saves / "game.tby", bytes);
        chown(game.c_str(), Nobody, NoGroup);
        chmod(game.c_str(), mode);
        chmod(saves.c_str(), 0555);
        return game;
    }
};

}  // namespace

TEST_F(ReplacingFilesAsAnotherUser, AFileInAFolderThatTakesNoNewFileIsRewrittenInPlace) {
    const fs::path game = gameInReadOnlyFolder("a longer saved game than the new one\r\n", 0640);
    ASSERT_EQ(asNobody([&] { save(game, {"Ann", "Bob"}); }), 0);
    EXPECT_EQ(contents(game), "Ann\r\nBob\r\n");
    EXPECT_EQ(modeOf(game), 0640u);
    EXPECT_EQ(ownerOf(game), Nobody);
    EXPECT_EQ(namesIn(game.parent_path()), std::vector<std::string>{"game.tby"});
}

TEST_F(ReplacingFilesAsAnotherUser, InPlaceAFullDiskLeavesTheFileAsItWas) {
    const fs::path game = gameInReadOnlyFolder("old\r\n", 0600);
    const int outcome = asNobody([&] {
        FullDisk full;
        save(game, std::vector<std::string>(100, std::string(99, 'x')));
    });
    EXPECT_EQ(outcome, number(ErrorCode::DeviceIoError));
    EXPECT_EQ(contents(game), "old\r\n");
}

// The space is reserved before anything is written, and the length set only after: a save
// killed in between leaves the file as it was, with no zeros after it.
TEST_F(ReplacingFilesAsAnotherUser, InPlaceASaveKilledBeforeItWritesLeavesTheFileAsItWas) {
    const std::string old = "a saved game line\r\n";
    const fs::path game = gameInReadOnlyFolder(old, 0600);
    const std::vector<std::string> lines(100, std::string(99, 'x'));
    const int outcome = asNobody([&] {
        if (!dieAtFirstWrite()) _exit(CouldNotStopAtWrites);
        save(game, lines);
    });
    if (outcome == CouldNotStopAtWrites) GTEST_SKIP() << "this system cannot stop at writes";
    EXPECT_EQ(outcome, -1) << "the save was to be killed at its first write";
    ASSERT_EQ(fs::file_size(game), old.size());
    EXPECT_EQ(contents(game), old);
    struct stat status {};
    stat(game.c_str(), &status);
    EXPECT_GE(status.st_blocks * 512, 100 * 101) << "space reserved for the new content";
}

TEST_F(ReplacingFilesAsAnotherUser, WhatTheUserMayNotWriteIsLeftAlone) {
    const fs::path game = gameInReadOnlyFolder("old\r\n", 0600);
    EXPECT_EQ(asNobody([&] { save(game.parent_path() / "new.tby", {"x"}); }),
              number(ErrorCode::PermissionDenied));

    // A read-only file in a folder the user may write is not replaced either.
    const fs::path own = folder / "own";
    fs::create_directory(own);
    chown(own.c_str(), Nobody, NoGroup);
    const fs::path readOnly = write(own / "game.tby", "old\r\n");
    chown(readOnly.c_str(), Nobody, NoGroup);
    chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(asNobody([&] { save(readOnly, {"x"}); }), number(ErrorCode::PermissionDenied));
    EXPECT_EQ(contents(readOnly), "old\r\n");
    EXPECT_EQ(namesIn(own), std::vector<std::string>{"game.tby"});
}

// Another user keeps swapping the file they share with this user for their link to one of this
// user's files: the save rewrites the file it looked at, or fails, and never writes through the
// link.
TEST_F(ReplacingFilesAsAnotherUser, AFileSwappedForALinkDuringASaveIsNotWrittenThrough) {
    const fs::path precious = write(folder / "precious", "the user's own\n");
    chown(precious.c_str(), Nobody, NoGroup);
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    chmod(shared.c_str(), 01777);
    const fs::path game = write(shared / "game.tby", "old\r\n");
    chown(game.c_str(), Intruder, Intruder);
    chmod(game.c_str(), 0666);
    const fs::path link = shared / "link";
    fs::create_symlink(precious, link);
    lchown(link.c_str(), Intruder, Intruder);
    const pid_t swapper = startAs(Intruder, [&] {
        while (renameat2(AT_FDCWD, game.c_str(), AT_FDCWD, link.c_str(), RENAME_EXCHANGE) == 0) {
        }
    });
    const int outcome = asNobody([&] {
        for (int i = 0; i < 3000; ++i) errorCodeOf([&] { save(game, {"game"}); });
    });
    kill(swapper, SIGKILL);
    EXPECT_EQ(waitFor(swapper), -1) << "the swaps were to go on until stopped";
    EXPECT_EQ(outcome, 0);
    EXPECT_EQ(contents(precious), "the user's own\n");
}

TEST_F(ReplacingFilesAsAnotherUser, AnotherUserCannotOpenTheTemporaryFiles) {
    const fs::path game = write(folder / "game.tby", "old\r\n");
    chmod(game.c_str(), 0600);
    const int watch = watchForNewFiles(folder);
    const pid_t watcher = startAs(Nobody, [&] { openEachNewFile(watch, folder, false); });
    close(watch);
    for (int i = 0; i < 300; ++i) save(game, {"a private game"});
    write(folder / "done", "");
    EXPECT_EQ(waitFor(watcher), 0) << "temporary files the other user opened";
}

// The file is looked at before it is opened; what lies at the path by then may have changed.
TEST_F(ReplacingFilesAsAnotherUser, APipeInPlaceOfTheFileIsRefusedWithoutWaitingForAReader) {
    const fs::path game = gameInReadOnlyFolder("old\r\n", 0600);
    chmod(game.parent_path().c_str(), 0755);
    fs::remove(game);
    ASSERT_EQ(mkfifo(game.c_str(), 0666), 0);
    chown(game.c_str(), Nobody, NoGroup);
    chmod(game.parent_path().c_str(), 0555);
    const int outcome = asNobody([&] {
        alarm(10);  // a child that waits for a reader ends here, and the test fails
        forms::FileReplacement replacement;
        if (replacement.open(game)) _exit(1);
    });
    EXPECT_EQ(outcome, 0);
    EXPECT_TRUE(fs::is_fifo(game));
}

TEST_F(ReplacingFilesAsAnotherUser, AnotherUsersFileThatTheUserMayWriteStaysTheirs) {
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    chmod(shared.c_str(), 0777);
    const fs::path game = write(shared / "game.tby", "old\r\n");
    chmod(game.c_str(), 0666);
    ASSERT_EQ(asNobody([&] { save(game, {"new"}); }), 0);
    EXPECT_EQ(contents(game), "new\r\n");
    EXPECT_EQ(ownerOf(game), 0u);
    EXPECT_EQ(modeOf(game), 0666u);
    EXPECT_EQ(namesIn(shared), std::vector<std::string>{"game.tby"});
}

// Another user's link in a folder that everyone may write but only owners may clear (sticky,
// as /tmp) may point at any of this user's files: a save follows it only where the kernel would.
TEST_F(ReplacingFilesAsAnotherUser, AnotherUsersLinkInASharedStickyFolderIsNotFollowed) {
    const fs::path own = write(folder / "profile", "the user's own\n");
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    chmod(shared.c_str(), 01777);
    const fs::path planted = shared / "game.tby";
    ASSERT_EQ(asNobody([&] { fs::create_symlink(own, planted); }), 0);
    ASSERT_EQ(ownerOf(planted), Nobody);
    fs::create_symlink(planted, folder / "chain.tby");  // the user's own link leads to it
    const fs::path plantedFolder = shared / "folder";   // and one of theirs to the user's folder
    ASSERT_EQ(asNobody([&] { fs::create_symlink(folder, plantedFolder); }), 0);
    for (const fs::path& path : {planted, folder / "chain.tby", plantedFolder / "profile"}) {
        EXPECT_EQ(outcomeOf([&] { save(path, {"game"}); }), number(ErrorCode::PermissionDenied))
            << path;
    }
    EXPECT_EQ(contents(own), "the user's own\n");
    EXPECT_TRUE(fs::is_symlink(planted));
    EXPECT_EQ(namesIn(shared), (std::vector<std::string>{"folder", "game.tby"}));

    // Followed in a folder that is not sticky, and in a sticky folder of the link's owner.
    chmod(shared.c_str(), 0777);
    save(planted, {"one"});
    EXPECT_EQ(contents(own), "one\r\n");
    chown(shared.c_str(), Nobody, NoGroup);
    chmod(shared.c_str(), 01777);
    save(planted, {"two"});
    EXPECT_EQ(contents(own), "two\r\n");
    save(plantedFolder / "profile", {"three"});
    EXPECT_EQ(contents(own), "three\r\n");
    EXPECT_TRUE(fs::is_symlink(planted));
}

TEST_F(ReplacingFilesAsAnotherUser, AReplacedFileKeepsItsOwnerAndPermissions) {
    const fs::path game = write(folder / "game.tby", "old\r\n");
    chown(game.c_str(), Nobody, NoGroup);
    chmod(game.c_str(), 0604);
    save(game, {"new"});
    EXPECT_EQ(contents(game), "new\r\n");
    EXPECT_EQ(modeOf(game), 0604u);
    EXPECT_EQ(ownerOf(game), Nobody);
}

TEST_F(ReplacingFiles, ALinkKeepsPointingToTheFileThatGetsTheContent) {
    const fs::path game = write(folder / "game.tby", "old\r\n");
    fs::create_symlink("game.tby", folder / "link.tby");
    save(folder / "link.tby", {"new"});
    EXPECT_TRUE(fs::is_symlink(folder / "link.tby"));
    EXPECT_EQ(contents(game), "new\r\n");

    // A chain of links, each relative to its own folder, and one written as a full path.
    fs::create_directory(folder / "links");
    fs::create_symlink("../link.tby", folder / "links" / "up.tby");
    fs::create_symlink("links/up.tby", folder / "chain.tby");
    fs::create_symlink(folder / "chain.tby", folder / "links" / "full.tby");
    save(folder / "links" / "full.tby", {"newer"});
    EXPECT_EQ(contents(game), "newer\r\n");
    for (const char* link : {"link.tby", "chain.tby", "links/up.tby", "links/full.tby"}) {
        EXPECT_TRUE(fs::is_symlink(folder / link)) << link;
    }
    EXPECT_EQ(namesIn(folder / "links"), (std::vector<std::string>{"full.tby", "up.tby"}));
}

// A save in progress holds its temporary file; a save that ends meanwhile leaves it alone.
TEST_F(ReplacingFiles, ASaveThatEndsLeavesTheTemporaryFileOfOneInProgress) {
    const fs::path game = write(folder / "game.tby", "old\r\n");
    forms::FileReplacement slow;
    ASSERT_TRUE(slow.open(game));
    slow.append("slow\r\n");
    save(game, {"quick"});
    EXPECT_EQ(contents(game), "quick\r\n");
    ASSERT_TRUE(slow.commit());
    EXPECT_EQ(contents(game), "slow\r\n");
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"game.tby"});
}

// Any program of the user's (or root) may open a temporary file and lock it.
TEST_F(ReplacingFiles, ALockHeldOnATemporaryFileDoesNotMakeASaveWait) {
    const fs::path game = write(folder / "game.tby", "old\r\n");
    const int watch = watchForNewFiles(folder);
    // On one processor, the holder woken by a new file mostly runs before the save goes on.
    cpu_set_t oneProcessor;
    CPU_ZERO(&oneProcessor);
    CPU_SET(sched_getcpu(), &oneProcessor);
    const pid_t holder = fork();
    if (holder == 0) {
        sched_setaffinity(0, sizeof oneProcessor, &oneProcessor);
        openEachNewFile(watch, folder, true);
    }
    close(watch);
    const pid_t saver = fork();
    if (saver == 0) {
        sched_setaffinity(0, sizeof oneProcessor, &oneProcessor);
        alarm(10);  // a save that waits for the lock ends here, and the test fails
        _exit(outcomeOf([&] {
            for (int i = 0; i < 300; ++i) save(game, {"new"});
        }));
    }
    EXPECT_EQ(waitFor(saver), 0);
    write(folder / "done", "");
    waitFor(holder);
    EXPECT_EQ(contents(game), "new\r\n");
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"done", "game.tby"}));
}

TEST_F(ReplacingFiles, ASaveBeyondTheFileSizeLimitFailsAndTheProgramGoesOn) {
    const fs::path game = write(folder / "game.tby", "old\r\n");
    const pid_t child = fork();
    if (child == 0) {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(outcomeOf([&] { save(game, {std::string(2000, 'x')}); }));
    }
    EXPECT_EQ(waitFor(child), number(ErrorCode::DeviceIoError));
    EXPECT_EQ(contents(game), "old\r\n");
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"game.tby"});
}

TEST_F(ReplacingFiles, TwoProgramsSavingOneFileAtOnceBothSucceed) {
    constexpr int Saves = 300;
    const fs::path game = folder / "game.tby";
    const auto saveOften = [&](const std::string& bytes) {
        const pid_t child = fork();
        if (child != 0) return child;
        int failed = 0;
        for (int i = 0; i < Saves; ++i) {
            forms::FileReplacement replacement;
            const bool opened = replacement.open(game);
            replacement.append(bytes);
            if (!opened || !replacement.commit()) ++failed;
        }
        _exit(std::min(failed, 100));
    };
    const std::string first(3000, '1');
    const std::string second(5000, '2');
    const pid_t one = saveOften(first);
    const pid_t two = saveOften(second);
    EXPECT_EQ(waitFor(one), 0) << "saves that failed";
    EXPECT_EQ(waitFor(two), 0) << "saves that failed";
    const std::string saved = contents(game);
    EXPECT_TRUE(saved == first || saved == second) << saved.size() << " bytes";
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"game.tby"});
}

TEST_F(ReplacingFiles, TheNextSaveRemovesWhatAnInterruptedSaveOfTheFileLeftAndNothingElse) {
    const fs::path game = write(folder / "game.tby", "old\r\n");
    const pid_t child = fork();
    if (child == 0) {
        TextFile file;
        file.open(game, FileMode::Output);
        file.printLine("never committed");
        _exit(0);  // cut short before its commit, as by a kill
    }
    ASSERT_EQ(waitFor(child), 0);
    std::vector<std::string> names = namesIn(folder);
    ASSERT_EQ(names.size(), 2u) << "the interrupted save leaves its temporary file";
    const std::string leftover = names[0] == "game.tby" ? names[1] : names[0];

    // Other names of the same shape, the last letter changed.
    std::vector<std::string> alike;
    for (char last : std::string("0123456")) {
        std::string name = leftover;
        name.back() = last;
        if (name != leftover) alike.push_back(name);
    }
    write(folder / alike[0], "an earlier interrupted save");
    write(folder / alike[1], "another user's");
    chown((folder / alike[1]).c_str(), Nobody, NoGroup);
    fs::create_directory(folder / alike[2]);
    write(folder / "kept.tby", "linked to");
    fs::create_symlink("kept.tby", folder / alike[3]);
    const std::vector<std::string> usersOwn = {
        "game.tby.backup",
        leftover + "x",
        leftover.substr(0, leftover.size() - 1),
        [&] {
            std::string name = leftover;
            return name.replace(name.find("game"), 4, "same");
        }(),
    };
    for (const std::string& name : usersOwn) write(folder / name, "the user's own");

    save(game, {"new"});
    EXPECT_EQ(contents(game), "new\r\n");
    std::vector<std::string> expected = usersOwn;
    expected.insert(expected.end(), {"game.tby", "kept.tby", alike[2], alike[3]});
    if (geteuid() == 0) expected.push_back(alike[1]);  // else the test could not give it away
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(folder), expected);
    EXPECT_EQ(contents(folder / "kept.tby"), "linked to");
}
