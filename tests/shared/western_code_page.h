#pragma once

// A stand-in for the Western European ANSI code page (1252) for tests that
// run off Windows: enough of it to tell ANSI text from what it cannot hold.

#include <optional>
#include <string>

#include "base/utf.h"
#include "inifile/profile_text.h"

namespace vantrel::testing {

class WesternCodePage : public settings::AnsiCodePage {
 public:
  std::string to_utf8(std::string_view ansi) const override {
    std::string out;
    for (char c : ansi) {
      const auto byte = static_cast<unsigned char>(c);
      base::append_utf8(out, byte == 0x80 ? U'\u20AC' : static_cast<char32_t>(byte));
    }
    return out;
  }
  std::optional<std::string> from_utf8(std::string_view utf8) const override {
    std::string out;
    const std::string units = base::utf8_to_utf16le(utf8);
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
      const unsigned unit =
          static_cast<unsigned char>(units[i]) | (static_cast<unsigned char>(units[i + 1]) << 8);
      if (unit == 0x20AC) {
        out += '\x80';
      } else if (unit < 0x100 && (unit < 0x80 || unit >= 0xA0)) {
        out += static_cast<char>(unit);
      } else {
        return std::nullopt;
      }
    }
    return out;
  }
};

}  // namespace vantrel::testing
