#pragma once

#include <string>
#include <string_view>

namespace vantrel::base {

// ASCII-only case folding: every name the program compares (keys, sections,
// key table entries, its own path) is matched the way the system's
// case-insensitive string search treats plain ASCII letters.
char to_lower_ascii(char c);
std::string to_lower_ascii(std::string_view text);
bool equals_ignoring_case(std::string_view a, std::string_view b);

// The blanks the profile functions strip around names and values: the C
// white-space set plus the Ctrl+Z end-of-file mark of old editors.
bool is_profile_blank(char c);
std::string_view trim_profile_blanks(std::string_view text);

}  // namespace vantrel::base
