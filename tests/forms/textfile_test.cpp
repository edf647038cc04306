#include "forms/textfile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <vector>

#include "error_code_of.h"
#include "full_disk.h"

namespace fs = std::filesystem;
using forms::ErrorCode;
using forms::FileMode;
using forms::TextFile;
using namespace std::string_literals;

namespace {

class TextFiles : public testing::Test {
protected:
    fs::path write(const std::string& bytes, const char* name = "file.txt") {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return folder / name;
    }

    std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::vector<std::string> allFields(const fs::path& path) {
        TextFile file;
        file.open(path, FileMode::Input);
        std::vector<std::string> fields;
        while (!file.atEnd()) fields.push_back(file.readField());
        EXPECT_EQ(errorCodeOf([&] { file.readField(); }), ErrorCode::InputPastEndOfFile);
        return fields;
    }

    QTemporaryDir dir;
    fs::path folder = dir.path().toStdString();
};

}  // namespace

TEST_F(TextFiles, FieldsEndAtCommasAndLineEndsAndQuotesEncloseThem) {
    const struct {
        std::string bytes;
        std::vector<std::string> fields;
    } cases[] = {
        {"a\r\n", {"a"}},
        {"last line", {"last line"}},
        {"a,b\r\nc\r\n", {"a", "b", "c"}},
        {"a\rb\nc\r\n", {"a", "b", "c"}},
        {"\r\n\r\nx\r\n", {"", "", "x"}},
        {"a,\r\n", {"a", ""}},
        {"  \tlead, trail \t\r\n", {"lead", "trail \t"}},
        {"\"q,\r\nr\" dropped,next\r\n", {"q,\r\nr", "next"}},
        {"  \"\"\r\n\"x\"\r\n", {"", "x"}},
        {"\"unclosed,\r\nto the end", {"unclosed,\r\nto the end"}},
        {"a\0b,\xFF\r\n"s, {"a\0b"s, "ÿ"}},
    };
    for (const auto& c : cases) EXPECT_EQ(allFields(write(c.bytes)), c.fields) << c.bytes;
}

TEST_F(TextFiles, AFieldOverOneMebibyteIsOutOfStringSpace) {
    TextFile file;
    file.open(write(std::string(2 << 20, 'x') + "\r\n"), FileMode::Input);
    EXPECT_EQ(errorCodeOf([&] { file.readField(); }), ErrorCode::OutOfStringSpace);
}

// What follows a closing quote is dropped, but read all the same: unbounded, it held the window
// to the end of a sparse file of gigabytes.
TEST_F(TextFiles, TextDroppedAfterAClosingQuoteIsHeldToAFieldsLength) {
    const std::string longest(TextFile::maxFieldBytes, 'x');
    EXPECT_EQ(allFields(write("\"a\"" + longest + ",b\r\n")), (std::vector<std::string>{"a", "b"}));
    TextFile file;
    file.open(write("\"a\"" + longest + "x,b\r\n"), FileMode::Input);
    EXPECT_EQ(errorCodeOf([&] { file.readField(); }), ErrorCode::OutOfStringSpace);
}

TEST_F(TextFiles, PrintedLinesAreWindows1252WithCrLfAndReadBack) {
    const std::vector<std::string> lines = {"Zoë", "5 €", "O’Neil", "", "trail "};
    TextFile file;
    file.open(folder / "game.tby", FileMode::Output);
    for (const auto& line : lines) file.printLine(line);
    file.close();
    EXPECT_EQ(contents(folder / "game.tby"), "Zo\xEB\r\n5 \x80\r\nO\x92Neil\r\n\r\ntrail \r\n");
    EXPECT_EQ(allFields(folder / "game.tby"), lines);

    file.open(folder / "game.tby", FileMode::Input);
    EXPECT_EQ(file.length(), 28);
    EXPECT_EQ(file.readField(), "Zoë");
    EXPECT_EQ(file.readAllBytes(), "5 \x80\r\nO\x92Neil\r\n\r\ntrail \r\n");
    EXPECT_TRUE(file.atEnd());
}

TEST_F(TextFiles, OutputReplacesTheFileOnlyWhenClosed) {
    const fs::path path = write("old\r\n");
    {
        TextFile abandoned;
        abandoned.open(path, FileMode::Output);
        abandoned.printLine("new");
    }
    EXPECT_EQ(contents(path), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);  // nothing left behind

    TextFile file;
    file.open(path, FileMode::Output);
    file.close();
    EXPECT_EQ(contents(path), "");
}

TEST_F(TextFiles, AFailedWriteLeavesTheEarlierFileWholeAndClosesAnyway) {
    const fs::path path = write("old\r\n");
    TextFile file;
    file.open(path, FileMode::Output);
    {
        FullDisk full;
        for (int i = 0; i < 1000; ++i)
            forms::resumeNext([&] { file.printLine(std::string(99, 'x')); });
        EXPECT_EQ(errorCodeOf([&] { file.close(); }), ErrorCode::DeviceIoError);
    }
    EXPECT_FALSE(file.isOpen());
    EXPECT_NO_THROW(file.close());
    EXPECT_EQ(contents(path), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);  // nothing left behind
}

TEST_F(TextFiles, OpeningReportsTheClassicErrors) {
    const fs::path existing = write("x");
    TextFile file;
    const auto openError = [&](const fs::path& path, FileMode mode) {
        return errorCodeOf([&] { file.open(path, mode); });
    };
    EXPECT_EQ(openError(folder / "missing.txt", FileMode::Input), ErrorCode::FileNotFound);
    EXPECT_EQ(openError(folder / "no" / "a.txt", FileMode::Input), ErrorCode::PathNotFound);
    EXPECT_EQ(openError(folder / "no" / "a.txt", FileMode::Output), ErrorCode::PathNotFound);
    EXPECT_EQ(openError(existing / "a.txt", FileMode::Output), ErrorCode::PathNotFound);
    EXPECT_EQ(openError(folder, FileMode::Input), ErrorCode::PermissionDenied);
    EXPECT_EQ(openError(folder, FileMode::Output), ErrorCode::PermissionDenied);
    EXPECT_FALSE(file.isOpen());
    EXPECT_NO_THROW(file.close());

    file.open(existing, FileMode::Input);
    EXPECT_EQ(openError(existing, FileMode::Input), ErrorCode::FileAlreadyOpen);
    EXPECT_EQ(errorCodeOf([&] { file.printLine("x"); }), ErrorCode::BadFileMode);
    file.close();
    file.open(existing, FileMode::Output);
    EXPECT_EQ(errorCodeOf([&] { file.readField(); }), ErrorCode::BadFileMode);
}
