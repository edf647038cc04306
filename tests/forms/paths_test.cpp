#include "forms/paths.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace fs = std::filesystem;
using forms::mapWindowsPath;

namespace {

class WindowsPaths : public testing::Test {
protected:
    fs::path make(const fs::path& relative) {
        const fs::path path = base / relative;
        fs::create_directories(path.parent_path());
        std::ofstream{path};
        return path;
    }

    QTemporaryDir dir;
    fs::path base = dir.path().toStdString();
};

}  // namespace

TEST_F(WindowsPaths, NamesMatchWithoutRegardToCaseWhenNoExactMatchExists) {
    const fs::path back = make("skin/back.BMP");
    EXPECT_EQ(mapWindowsPath(".\\Skin\\Back.bmp", base), back);
    EXPECT_EQ(mapWindowsPath("SKIN/BACK.bmp", base), back);
    EXPECT_EQ(mapWindowsPath(base.string() + "\\Skin\\back.bmp", "/elsewhere"), back);
    const fs::path elan = make("élan.txt");
    EXPECT_EQ(mapWindowsPath("ÉLAN.txt", base), elan);  // beyond ASCII too
}

TEST_F(WindowsPaths, AnExactMatchWins) {
    make("Skin/Back.bmp");
    const fs::path exact = make("skin/back.bmp");
    EXPECT_EQ(mapWindowsPath(".\\skin\\back.bmp", base), exact);
    const fs::path odd = make("a\\b.txt");  // a legal file name here, used as given
    EXPECT_EQ(mapWindowsPath("a\\b.txt", base), odd);
    const fs::path sound = make("O's.wav");
    EXPECT_EQ(mapWindowsPath(".\\O's.wav", base), sound);
}

TEST_F(WindowsPaths, NamesThatMatchNothingAreKeptAsWritten) {
    make("skin/back.bmp");
    EXPECT_EQ(mapWindowsPath(".\\Skin\\Front.bmp", base), base / "skin" / "Front.bmp");
    EXPECT_EQ(mapWindowsPath(".\\Gone\\Back.bmp", base), base / "Gone" / "Back.bmp");
}
