#pragma once

#include <cstdint>

namespace platform {

// A colour as the profile files and pages store it: 0x00BBGGRR, red in the low byte.
using ColourValue = std::uint32_t;

constexpr ColourValue colourFromRgb(int red, int green, int blue) {
    return ColourValue(red & 0xFF) | ColourValue(green & 0xFF) << 8 | ColourValue(blue & 0xFF) << 16;
}
constexpr int redOf(ColourValue c) { return int(c & 0xFF); }
constexpr int greenOf(ColourValue c) { return int(c >> 8 & 0xFF); }
constexpr int blueOf(ColourValue c) { return int(c >> 16 & 0xFF); }

constexpr ColourValue kWhite = 0x00FFFFFF;
constexpr ColourValue kBlack = 0;

} // namespace platform
