#include "forms/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace forms {
namespace {

// One iconv conversion. Each call of the public functions opens its own, so that they stay
// usable from any thread. Should the C library lack a codec, every byte counts as unconvertible.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Appends the conversion of `in` to `out`, up to the first byte that cannot be converted.
    // Returns the number of bytes converted.
    std::size_t convert(std::string_view in, std::string& out) {
        std::size_t consumed = 0;
        char buffer[4096];
        while (consumed < in.size()) {
            const Step step = run(in.substr(consumed), buffer, sizeof buffer);
            out.append(buffer, step.produced);
            consumed += step.consumed;
            if (!step.outputFull) break;
        }
        return consumed;
    }

    struct Step {
        std::size_t consumed = 0;
        std::size_t produced = 0;
        bool outputFull = false;  // stopped only for want of room in `out`
    };
    // Converts as much of `in` as fits into `out`, stopping at the first unconvertible byte.
    Step run(std::string_view in, char* out, std::size_t outSize) {
        char* inPtr = const_cast<char*>(in.data());  // iconv's signature; it does not write there
        std::size_t inLeft = in.size();
        char* outPtr = out;
        std::size_t outLeft = outSize;
        const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
        const bool outputFull = result == static_cast<std::size_t>(-1) && errno == E2BIG;
        return {in.size() - inLeft, outSize - outLeft, outputFull};
    }

private:
    iconv_t cd_;
};

// The first character of UTF-8 text, with room for exactly one UTF-32 code unit: its code point
// and its length in bytes; length 0 when the text does not start with a valid UTF-8 sequence.
struct Character {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

Character firstCharacter(Converter& toUtf32, std::string_view utf8) {
    unsigned char unit[4];
    const Converter::Step step = toUtf32.run(utf8, reinterpret_cast<char*>(unit), sizeof unit);
    if (step.produced != sizeof unit) return {};
    const char32_t codePoint = unit[0] | unit[1] << 8 | unit[2] << 16 | char32_t{unit[3]} << 24;
    return {codePoint, step.consumed};
}

// The bytes Windows-1252 leaves undefined; they stand for the C1 controls of the same value.
bool isUndefinedByte(char32_t value) {
    return value == 0x81 || value == 0x8D || value == 0x8F || value == 0x90 || value == 0x9D;
}

}  // namespace

std::string toWindows1252(std::string_view utf8) {
    Converter encoder("CP1252", "UTF-8");
    Converter toUtf32("UTF-32LE", "UTF-8");
    std::string bytes;
    while (true) {
        utf8.remove_prefix(encoder.convert(utf8, bytes));
        if (utf8.empty()) return bytes;
        const Character character = firstCharacter(toUtf32, utf8);
        const bool keepsItsByte = isUndefinedByte(character.codePoint);
        bytes += keepsItsByte ? static_cast<char>(character.codePoint) : '?';
        utf8.remove_prefix(std::max<std::size_t>(character.length, 1));
    }
}

std::string fromWindows1252(std::string_view bytes) {
    Converter decoder("UTF-8", "CP1252");
    std::string utf8;
    while (true) {
        bytes.remove_prefix(decoder.convert(bytes, utf8));
        if (bytes.empty()) return utf8;
        // A byte iconv rejects reads as the Latin-1 character of the same value.
        const auto byte = static_cast<unsigned char>(bytes.front());
        if (byte < 0x80) {
            utf8 += static_cast<char>(byte);
        } else {
            utf8 += static_cast<char>(0xC0 | byte >> 6);
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
        bytes.remove_prefix(1);
    }
}

}  // namespace forms
