#include "forms/codepage.h"

#include <gtest/gtest.h>

using forms::fromWindows1252;
using forms::toWindows1252;

TEST(Windows1252, EncodesAndDecodesItsOwnCharacters) {
    EXPECT_EQ(toWindows1252("Zoë: é € ’ œ"), "Zo\xEB: \xE9 \x80 \x92 \x9C");
    EXPECT_EQ(fromWindows1252("Zo\xEB: \xE9 \x80 \x92 \x9C"), "Zoë: é € ’ œ");
}

TEST(Windows1252, EveryByteSurvivesARoundTripThroughUtf8) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(toWindows1252(fromWindows1252(byte)), byte) << "byte " << value;
    }
}

TEST(Windows1252, UndefinedBytesDecodeToTheC1ControlsOfTheSameValue) {
    EXPECT_EQ(fromWindows1252("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Windows1252, WhatItCannotHoldBecomesAQuestionMark) {
    const struct {
        const char* utf8;
        const char* expected;
    } cases[] = {
        {"a中b", "a?b"},       // a character outside the code page
        {"😀!", "?!"},          // four bytes, still one character
        {"\u0080", "?"},       // a C1 control Windows-1252 has no byte for
        {"a\377b", "a?b"},     // a byte (0xFF) that is never UTF-8
        {"\xC0\x80", "??"},    // an overlong form
        {"x\xE2\x82", "x??"},  // a sequence cut short at the end
    };
    for (const auto& c : cases) EXPECT_EQ(toWindows1252(c.utf8), c.expected) << c.utf8;
}
