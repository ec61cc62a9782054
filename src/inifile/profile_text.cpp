#include "inifile/profile_text.h"

#include "base/utf.h"

namespace vantrel::settings {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Every ANSI code page the system uses agrees with ASCII on its first 128
// characters, so plain ASCII text needs no conversion either way.
bool is_ascii(std::string_view text) {
  unsigned char any = 0;
  for (const char c : text) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

}  // namespace

DecodedText decode_profile_text(std::string_view bytes, const AnsiCodePage& code_page) {
  if (bytes.starts_with(kUtf16Bom)) {
    return {base::utf16le_to_utf8(bytes.substr(kUtf16Bom.size())), TextEncoding::utf16le};
  }
  if (bytes.starts_with(kUtf8Bom)) return {std::string(bytes), TextEncoding::utf8};
  if (is_ascii(bytes)) return {std::string(bytes), TextEncoding::ansi};
  return {code_page.to_utf8(bytes), TextEncoding::ansi};
}

std::string encode_profile_text(std::string_view utf8, TextEncoding encoding, const AnsiCodePage& code_page) {
  switch (encoding) {
    case TextEncoding::utf8:
      return std::string(utf8);
    case TextEncoding::ansi:
      if (is_ascii(utf8)) return std::string(utf8);
      if (auto ansi = code_page.from_utf8(utf8)) return std::move(*ansi);
      break;
    case TextEncoding::utf16le:
      break;
  }
  return std::string(kUtf16Bom) + base::utf8_to_utf16le(utf8);
}

}  // namespace vantrel::settings
