#include "base/utf.h"

namespace vantrel::base {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point starting at text[i], advancing i past it.
char32_t next_utf8(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(i++);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, value = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  for (int n = 0; n < extra; ++n) {
    if (i >= text.size() || (byte(i) & 0xC0) != 0x80) return kReplacement;
    value = (value << 6) | (byte(i++) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return kReplacement;
  return value;
}

void append_unit(std::string& out, char32_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>((unit >> 8) & 0xFF);
}

}  // namespace

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string utf8_to_utf16le(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2);
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = next_utf8(utf8, i);
    if (c >= 0x10000) {
      append_unit(out, 0xD800 + ((c - 0x10000) >> 10));
      append_unit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      append_unit(out, c);
    }
  }
  return out;
}

std::string utf16le_to_utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  const std::size_t units = bytes.size() / 2;
  const auto unit = [&](std::size_t n) {
    return static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * n]) |
                                 (static_cast<unsigned char>(bytes[2 * n + 1]) << 8));
  };
  for (std::size_t n = 0; n < units; ++n) {
    const char32_t c = unit(n);
    if (c >= 0xD800 && c <= 0xDBFF && n + 1 < units && unit(n + 1) >= 0xDC00 && unit(n + 1) <= 0xDFFF) {
      append_utf8(out, 0x10000 + ((c - 0xD800) << 10) + (unit(n + 1) - 0xDC00));
      ++n;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      append_utf8(out, kReplacement);
    } else {
      append_utf8(out, c);
    }
  }
  return out;
}

}  // namespace vantrel::base
