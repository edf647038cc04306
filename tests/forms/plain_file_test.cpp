// Opening files from outside: only a plain file no longer than its reader takes stays open,
// nothing else is waited for, and what is read is the file that was opened, as long as it was
// then, wherever its path points afterwards.
#include "forms/plain_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/stat.h>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using forms::PlainFile;
using Problem = PlainFile::Problem;

namespace {

constexpr off_t Longest = 64;

class PlainFiles : public testing::Test {
protected:
    fs::path write(const char* name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return folder / name;
    }

    QTemporaryDir dir;
    fs::path folder = dir.path().toStdString();
};

std::ptrdiff_t openDescriptors() {
    return std::distance(fs::directory_iterator("/proc/self/fd"), {});
}

TEST_F(PlainFiles, AnythingButAPlainFileIsToldApartAndLeftClosed) {
    const fs::path plain = write("plain.txt", "1,2\r\n");
    const fs::path tooLong = write("long.txt", std::string(Longest + 1, ','));
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);  // no writer: opening must not wait
    const struct {
        fs::path path;
        Problem problem;
    } refused[] = {
        {folder / "missing.txt", Problem::Missing},
        {folder / "no" / "a.txt", Problem::Missing},
        {plain / "a.txt", Problem::Missing},
        {folder, Problem::NotPlain},
        {folder / "pipe", Problem::NotPlain},
        {"/dev/null", Problem::NotPlain},
        {tooLong, Problem::TooLong},
    };
    const std::ptrdiff_t before = openDescriptors();
    for (const auto& path : refused) {
        const PlainFile file(path.path, Longest);
        EXPECT_EQ(file.problem(), path.problem) << path.path;
        EXPECT_FALSE(file);
    }
    EXPECT_EQ(openDescriptors(), before);

    {
        const PlainFile file(plain, Longest);
        ASSERT_TRUE(file);
        EXPECT_EQ(file.status().st_size, 5);
        EXPECT_EQ(openDescriptors(), before + 1);
        EXPECT_EQ(file.readAll(), "1,2\r\n");
    }
    EXPECT_EQ(openDescriptors(), before);
}

TEST_F(PlainFiles, WhatIsReadIsTheFileAsOpenedWhereverItsPathPointsLater) {
    const fs::path path = write("game.txt", "first");
    PlainFile file(path, Longest);
    ASSERT_TRUE(file);
    std::ofstream(path, std::ios::binary | std::ios::app) << std::string(Longest, ',');
    fs::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);

    EXPECT_EQ(file.status().st_size, 5);
    EXPECT_EQ(file.readAll(), "first") << "read past the length that was checked";
}

}  // namespace
