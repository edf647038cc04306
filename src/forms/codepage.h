#pragma once
// Single-byte ANSI text. The program keeps its strings in UTF-8; files and the classic
// runtime's byte-oriented functions see them as Windows-1252.
#include <string>
#include <string_view>

namespace forms {

// Characters Windows-1252 cannot hold, and bytes that are not valid UTF-8, become '?'.
std::string toWindows1252(std::string_view utf8);

// Never fails: the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become
// the C1 controls of the same value, and toWindows1252 turns those back into the same bytes.
std::string fromWindows1252(std::string_view bytes);

}  // namespace forms
