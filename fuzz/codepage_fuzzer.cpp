// Any bytes decode from Windows-1252 to valid UTF-8 and encode back to the same bytes, and any
// text, valid UTF-8 or not, encodes to no more bytes than it has.
#include "forms/codepage.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <QUtf8StringView>

namespace {

std::size_t convert(const std::string& input) {
    const std::string text = forms::fromWindows1252(input);
    EXPECT_TRUE(QUtf8StringView(text).isValidUtf8());
    EXPECT_EQ(forms::toWindows1252(text), input);
    EXPECT_LE(forms::toWindows1252(input).size(), input.size());
    return 0;
}

}  // namespace

fuzz::Reader fuzz::makeReader() { return Reader(4, convert); }
