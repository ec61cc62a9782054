#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "inifile/ini_document.h"

namespace vantrel::settings {

// Text values come back through a buffer of this many characters, so at
// most one less is ever read.
inline constexpr std::size_t kTextBufferSize = 2048;

// Integer text as both files have always stored it: optional blanks and
// sign, then decimal digits or "$" with up to eight hexadecimal digits
// ("$FFFFFFFF" is -1), nothing after. A value starting "0x" or "0X" with
// more after it reads as "$" hexadecimal. Anything else is not an integer.
std::optional<int> parse_integer(std::string_view text);

// Typed reads; a value that is missing or not an integer yields the default.
int read_integer(const IniDocument& document, std::string_view section, std::string_view key,
                 int default_value);
bool read_bool(const IniDocument& document, std::string_view section, std::string_view key,
               bool default_value);
std::string read_string(const IniDocument& document, std::string_view section, std::string_view key,
                        std::string_view default_value);

// Writes text so that read_string gives back exactly the same text: a value
// the reader would change (one that starts and ends with the same quote
// mark, or starts or ends with a blank) goes inside one more pair of double
// quotes, which the reader drops again.
void write_string(IniDocument& document, std::string_view section, std::string_view key,
                  std::string_view value);
void write_integer(IniDocument& document, std::string_view section, std::string_view key, int value);
void write_bool(IniDocument& document, std::string_view section, std::string_view key, bool value);

}  // namespace vantrel::settings
