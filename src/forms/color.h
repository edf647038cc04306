#pragma once
// Colours are numbers in BGR order, red in the lowest byte, as the controls take them:
// 0xFF is red, 0xFF0000 blue, 0xFFFF yellow.
#include <cstdint>

namespace forms {

using Color = std::uint32_t;

inline constexpr Color Red = 0xFF;
inline constexpr Color Blue = 0xFF0000;
inline constexpr Color Yellow = 0xFFFF;
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color LightGrey = 0xC0C0C0;

// "Use the platform's own colour for this."
inline constexpr Color DefaultColor = 0xFFFFFFFFu;

inline constexpr int redOf(Color c) { return static_cast<int>(c & 0xFF); }
inline constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int blueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace forms
