#pragma once

#include <string>
#include <string_view>

namespace vantrel::base {

// UTF-8 text to UTF-16 little-endian bytes and back, without a byte-order
// mark. Malformed input becomes U+FFFD rather than being dropped, so a
// damaged byte never swallows the characters around it; an odd last byte
// of UTF-16 is ignored.
std::string utf8_to_utf16le(std::string_view utf8);
std::string utf16le_to_utf8(std::string_view bytes);

// Appends one code point as UTF-8.
void append_utf8(std::string& out, char32_t code_point);

}  // namespace vantrel::base
