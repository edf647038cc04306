#pragma once
// The program names its files the Windows way (".\Skin\Back.bmp", any mix of letter case); this
// finds the file that is meant on a case-sensitive file system.
#include <filesystem>
#include <string_view>

namespace forms {

// A path that exists exactly as given is used as it is. Otherwise backslashes separate folders,
// a leading ".\" is dropped, and each name with no exact match in its folder is matched without
// regard to case; a name that matches nothing is kept as written, so that opening it fails as a
// missing file. Relative paths are taken from `base` (the current directory).
std::filesystem::path mapWindowsPath(std::string_view path, const std::filesystem::path& base);

}  // namespace forms
