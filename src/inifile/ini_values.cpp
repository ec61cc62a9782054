#include "inifile/ini_values.h"

#include <cstdint>
#include <string>

#include "base/text.h"

namespace vantrel::settings {
namespace {

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int> parse_integer(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return parse_integer("$" + std::string(text.substr(2)));
  }
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::int64_t magnitude = 0;
  if (!text.empty() && text.front() == '$') {
    text.remove_prefix(1);
    if (text.empty() || text.size() > 8) return std::nullopt;
    for (char c : text) {
      const int digit = hex_digit(c);
      if (digit < 0) return std::nullopt;
      magnitude = magnitude * 16 + digit;
    }
    // Eight hexadecimal digits fill the 32 bits, so "$FFFFFFFF" wraps to -1.
    const auto bits = static_cast<std::uint32_t>(negative ? -magnitude : magnitude);
    return static_cast<std::int32_t>(bits);
  }
  if (text.empty()) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > std::int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

int read_integer(const IniDocument& document, std::string_view section, std::string_view key,
                 int default_value) {
  return parse_integer(read_string(document, section, key, "")).value_or(default_value);
}

bool read_bool(const IniDocument& document, std::string_view section, std::string_view key,
               bool default_value) {
  return read_integer(document, section, key, default_value ? 1 : 0) != 0;
}

std::string read_string(const IniDocument& document, std::string_view section, std::string_view key,
                        std::string_view default_value) {
  return document.get_string(section, key, default_value, kTextBufferSize);
}

void write_string(IniDocument& document, std::string_view section, std::string_view key,
                  std::string_view value) {
  const bool quoted =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  const bool padded =
      !value.empty() && (base::is_profile_blank(value.front()) || base::is_profile_blank(value.back()));
  if (quoted || padded) {
    document.set(section, key, "\"" + std::string(value) + "\"");
  } else {
    document.set(section, key, value);
  }
}

void write_integer(IniDocument& document, std::string_view section, std::string_view key, int value) {
  document.set(section, key, std::to_string(value));
}

void write_bool(IniDocument& document, std::string_view section, std::string_view key, bool value) {
  document.set(section, key, value ? "1" : "0");
}

}  // namespace vantrel::settings
