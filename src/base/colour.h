#pragma once

#include <cstdint>

namespace vantrel::base {

// A colour as the settings hold it: red + 256 * green + 65536 * blue with
// the high byte 0, or 0xFF000000 plus a system colour index, resolved when
// drawn.
using ColourValue = std::uint32_t;

inline constexpr ColourValue kSystemColourFlag = 0xFF000000;
inline constexpr bool is_system_colour(ColourValue value) {
  return (value & 0xFF000000) == kSystemColourFlag;
}
inline constexpr ColourValue rgb(unsigned red, unsigned green, unsigned blue) {
  return red | (green << 8) | (blue << 16);
}

inline constexpr ColourValue kBlack = rgb(0, 0, 0);
inline constexpr ColourValue kBlue = rgb(0, 0, 255);
inline constexpr ColourValue kLime = rgb(0, 255, 0);
inline constexpr ColourValue kAqua = rgb(0, 255, 255);

}  // namespace vantrel::base
