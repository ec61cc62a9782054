#include "base/text.h"

#include <algorithm>

namespace vantrel::base {

char to_lower_ascii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string to_lower_ascii(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](char c) { return to_lower_ascii(c); });
  return lowered;
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return to_lower_ascii(x) == to_lower_ascii(y);
         });
}

bool is_profile_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view trim_profile_blanks(std::string_view text) {
  while (!text.empty() && is_profile_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_profile_blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace vantrel::base
