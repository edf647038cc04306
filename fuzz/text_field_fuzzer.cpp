// Any file read field by field: every field ends, none is longer than the reader allows, the
// fields never hold more characters than the file, and reading the whole file gives back its
// bytes.
#include "forms/errors.h"
#include "forms/textfile.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::size_t readFields(const std::string& input) {
    const std::string path = fuzz::scratchFolder() + "/fields.txt";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input;

    forms::TextFile file;
    file.open(path, forms::FileMode::Input);
    std::size_t fields = 0, fieldBytes = 0;
    try {
        while (!file.atEnd()) {
            const std::string field = file.readField();
            ++fields;
            fieldBytes += field.size();
            // Windows-1252 takes at most three bytes a character in UTF-8.
            EXPECT_LE(field.size(), 3 * forms::TextFile::maxFieldBytes);
        }
    } catch (const forms::RuntimeError& error) {
        EXPECT_EQ(error.code(), forms::ErrorCode::OutOfStringSpace) << error.what();
    }
    EXPECT_LE(fields, input.size());
    EXPECT_LE(fieldBytes, 3 * input.size());
    file.close();

    file.open(path, forms::FileMode::Input);
    EXPECT_EQ(file.readAllBytes(), input);
    file.close();
    return 0;
}

}  // namespace

fuzz::Reader fuzz::makeReader() { return Reader(4, readFields); }
