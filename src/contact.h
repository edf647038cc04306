#pragma once
// How to reach the program's makers: shown by the about window, used by the EMail command of the
// game window and of the start window. It belongs to the program, not to either window.
#include <string>

namespace contact {

inline constexpr const char* Address = "tesselby@example.org";
// The line the launcher is given to open a new mail to the makers.
inline const std::string MailCommand = std::string("start mailto:") + Address;

}  // namespace contact
