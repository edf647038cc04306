#pragma once
// Text to number and back, as the classic runtime converts them.
//
// Accepted text: blanks (spaces, tabs) around an optional sign, digits with an optional decimal
// point ("1.", ".5"), and an optional exponent ("1e2", "1E+2"). Anything else, including empty
// text, is a TypeMismatch; a value outside the target type is an Overflow. A value too small for
// the type reads as zero.
#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

// The integer conversions round halves to even: "2.5" is 2, "3.5" is 4, "-2.5" is -2.
std::int16_t toInteger(std::string_view text);
std::int32_t toLong(std::string_view text);
float toSingle(std::string_view text);
double toDouble(std::string_view text);

// The shortest text that reads back as the same value, without a leading blank: "12", "-3", "2.5".
std::string numberText(long long value);
std::string numberText(double value);

}  // namespace forms
