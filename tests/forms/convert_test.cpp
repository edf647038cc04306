#include "forms/convert.h"

#include <gtest/gtest.h>

#include "error_code_of.h"

using forms::ErrorCode;

TEST(TextToNumber, AcceptsBlanksSignFractionAndExponent) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12", 12},     {" \t-3 \t", -3}, {"+4", 4},     {"01", 1},     {"1.", 1},
        {".5", 0.5},    {"-.5", -0.5},    {"1.0", 1},    {"1e2", 100},  {"1E+2", 100},
        {"25e-1", 2.5}, {"0", 0},         {"1e-400", 0}, {"-0.000", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(forms::toDouble(c.text), c.value) << c.text;
        EXPECT_EQ(forms::toSingle(c.text), static_cast<float>(c.value)) << c.text;
    }
}

TEST(TextToNumber, AnythingElseIsATypeMismatch) {
    for (const char* text : {"", "  ", "x", "1x", "inf", "nan", "0x10", "1,5", "--1", "+", ".",
                             "e2", "1e", "1e+", "1 2", "1.2.3", "\x01"}) {
        EXPECT_EQ(errorCodeOf([&] { forms::toDouble(text); }), ErrorCode::TypeMismatch) << text;
        EXPECT_EQ(errorCodeOf([&] { forms::toInteger(text); }), ErrorCode::TypeMismatch) << text;
    }
}

TEST(TextToNumber, IntegersRoundHalvesToEven) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"-3.5", -4},       {"2.4", 2},
                 {"2.6", 3}, {"0.5", 0}, {"1.5", 2},   {"32767.4", 32767}, {"-32768.5", -32768}};
    for (const auto& c : cases) {
        EXPECT_EQ(forms::toInteger(c.text), c.value) << c.text;
        EXPECT_EQ(forms::toLong(c.text), c.value) << c.text;
    }
    EXPECT_EQ(forms::toLong("2147483647.4"), 2147483647);
    EXPECT_EQ(forms::toLong("-2147483648"), -2147483648LL);
}

TEST(TextToNumber, ValuesOutsideTheTypeOverflow) {
    for (const char* text : {"32767.5", "32768", "-32768.6", "1e10"})
        EXPECT_EQ(errorCodeOf([&] { forms::toInteger(text); }), ErrorCode::Overflow) << text;
    for (const char* text : {"2147483647.5", "-2147483649", "1e300"})
        EXPECT_EQ(errorCodeOf([&] { forms::toLong(text); }), ErrorCode::Overflow) << text;
    for (const char* text : {"1e39", "-3.5e38"})
        EXPECT_EQ(errorCodeOf([&] { forms::toSingle(text); }), ErrorCode::Overflow) << text;
    for (const char* text : {"1e309", "-1e99999999999999999999"})
        EXPECT_EQ(errorCodeOf([&] { forms::toDouble(text); }), ErrorCode::Overflow) << text;
}

TEST(NumberToText, WritesTheShortestTextThatReadsBack) {
    EXPECT_EQ(forms::numberText(12LL), "12");
    EXPECT_EQ(forms::numberText(-3LL), "-3");
    EXPECT_EQ(forms::numberText(2.5), "2.5");
    EXPECT_EQ(forms::numberText(2.0), "2");
    EXPECT_EQ(forms::numberText(-0.0), "0");
    for (double value : {0.1, 1.0 / 3, -123456.789, 1e300, 5e-324})
        EXPECT_EQ(forms::toDouble(forms::numberText(value)), value) << value;
}
