#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace vantrel::hotkeys {

// One selectable key: its display name and its Windows virtual-key code.
struct KeyEntry {
  std::string_view name;
  int code;
};

inline constexpr int kKeyCount = 90;

// The fixed vocabulary of keys, in the order the key pickers list them.
std::span<const KeyEntry> key_table();

// Both look-ups compare whole strings ignoring letter case, as the list
// controls' exact search does; a miss yields nullopt, never a neighbour.
std::optional<int> key_code_for_name(std::string_view name);
std::optional<std::string_view> key_name_for_code(int code);

}  // namespace vantrel::hotkeys
