#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::settings {

// The system's ANSI code page, in which initialisation files are kept so
// that the profile functions and other programs read them as before.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  virtual std::string to_utf8(std::string_view ansi) const = 0;
  // nullopt when some character has no place in the code page: writing it
  // anyway would put a different character (or "?") in the user's file.
  virtual std::optional<std::string> from_utf8(std::string_view utf8) const = 0;
};

// How a file's bytes hold its text. The profile functions read all three.
enum class TextEncoding {
  ansi,     // no byte-order mark: the ANSI code page
  utf8,     // UTF-8 byte-order mark, which the document keeps as it is
  utf16le,  // UTF-16 little-endian with its byte-order mark, as Notepad's "Unicode"
};

struct DecodedText {
  std::string utf8;
  TextEncoding encoding = TextEncoding::ansi;
};

DecodedText decode_profile_text(std::string_view bytes, const AnsiCodePage& code_page);

// The bytes to write for the text in the file's own encoding; text that the
// ANSI code page cannot hold is written as UTF-16 instead of being damaged.
std::string encode_profile_text(std::string_view utf8, TextEncoding encoding, const AnsiCodePage& code_page);

}  // namespace vantrel::settings
