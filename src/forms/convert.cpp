#include "forms/convert.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "forms/errors.h"

namespace forms {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) ++at;
    return at;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A number's text whose syntax has been checked, split so that std::from_chars (which takes
// neither blanks nor a plus sign) can read it.
struct NumberSyntax {
    bool negative = false;
    std::string_view unsignedText;
    // Whether a value std::from_chars finds out of range is too large rather than too small:
    // the power of ten of the leading nonzero digit is not negative.
    bool atLeastOne = false;
};

// The power of ten of the first nonzero digit, or nothing when every digit is zero.
std::optional<long long> leadingPower(std::string_view integerDigits,
                                      std::string_view fractionDigits) {
    const std::size_t inInteger = integerDigits.find_first_not_of('0');
    if (inInteger != std::string_view::npos)
        return static_cast<long long>(integerDigits.size() - inInteger - 1);
    const std::size_t inFraction = fractionDigits.find_first_not_of('0');
    if (inFraction != std::string_view::npos) return -static_cast<long long>(inFraction + 1);
    return std::nullopt;
}

std::optional<NumberSyntax> checkSyntax(std::string_view text) {
    text = trimBlanks(text);
    NumberSyntax number;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        number.negative = text[at] == '-';
        ++at;
    }
    const std::size_t integerStart = at;
    const std::size_t integerEnd = at = skipDigits(text, at);
    std::size_t fractionStart = at;
    if (at < text.size() && text[at] == '.') fractionStart = ++at;
    const std::size_t fractionEnd = at = skipDigits(text, at);
    if (integerEnd == integerStart && fractionEnd == fractionStart) return std::nullopt;

    long long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        const bool negativeExponent = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        const std::size_t exponentStart = at;
        at = skipDigits(text, at);
        if (at == exponentStart) return std::nullopt;
        // Past this limit every value is out of range (or zero) anyway; the cap keeps the sum
        // below from overflowing.
        constexpr long long limit = 1'000'000'000;
        const auto read = std::from_chars(text.data() + exponentStart, text.data() + at, exponent);
        if (read.ec != std::errc{} || exponent > limit) exponent = limit;
        if (negativeExponent) exponent = -exponent;
    }
    if (at != text.size()) return std::nullopt;

    number.unsignedText = text.substr(integerStart);
    const auto power = leadingPower(text.substr(integerStart, integerEnd - integerStart),
                                    text.substr(fractionStart, fractionEnd - fractionStart));
    number.atLeastOne = power && *power + exponent >= 0;
    return number;
}

template <class Float>
Float parse(std::string_view text) {
    const std::optional<NumberSyntax> number = checkSyntax(text);
    if (!number) throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch");
    const char* end = number->unsignedText.data() + number->unsignedText.size();
    Float value = 0;
    const auto result = std::from_chars(number->unsignedText.data(), end, value);
    if (result.ec == std::errc::result_out_of_range) {
        if (number->atLeastOne) throw RuntimeError(ErrorCode::Overflow, "Overflow");
        value = 0;
    } else if (result.ec != std::errc{} || result.ptr != end) {
        throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch");
    }
    return number->negative ? -value : value;
}

template <class Int>
Int parseRounded(std::string_view text) {
    // nearbyint in the default rounding mode rounds halves to even, as the classic runtime does.
    const double rounded = std::nearbyint(parse<double>(text));
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        throw RuntimeError(ErrorCode::Overflow, "Overflow");
    return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t toInteger(std::string_view text) { return parseRounded<std::int16_t>(text); }
std::int32_t toLong(std::string_view text) { return parseRounded<std::int32_t>(text); }
float toSingle(std::string_view text) { return parse<float>(text); }
double toDouble(std::string_view text) { return parse<double>(text); }

std::string numberText(long long value) { return std::to_string(value); }

std::string numberText(double value) {
    if (value == 0) return "0";  // no "-0"
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace forms
