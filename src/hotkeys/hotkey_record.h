#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel::hotkeys {

inline constexpr int kIconCount = 52;
inline constexpr int kDefaultImage = 34;

inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;
inline constexpr unsigned kModWin = 8;

// One hotkey, as a row of the hotkey list shows it.
struct HotkeyRow {
  bool alt = true;
  bool ctrl = true;
  bool shift = false;
  std::string key_name;
  std::string action;
  int id = 0;
  bool checked = false;
  int image = kDefaultImage;
  // A key code from the file that the key table does not know (a hand
  // edit, or a newer version's key): the row has no key name, and the code
  // is written back as it was instead of being lost.
  std::optional<int> unknown_key_code = std::nullopt;
  // The Windows key; files from before it read as not set.
  bool win = false;
  // Handed to the shell with the action; empty for none. Environment
  // variables in them and in the action are expanded at launch.
  std::string arguments = {};
  std::string start_in = {};

  bool operator==(const HotkeyRow&) const = default;
};

// "Win+Alt+Ctrl+Shift+" with the flags that are not set left out; empty
// for none.
std::string modifier_text(bool alt, bool ctrl, bool shift, bool win = false);
inline std::string modifier_text(const HotkeyRow& row) {
  return modifier_text(row.alt, row.ctrl, row.shift, row.win);
}
unsigned modifier_mask(const HotkeyRow& row);
inline constexpr std::string_view flag_text(bool set) {
  return set ? "1" : "0";
}

// The identifier a new row gets: the smallest integer that is at least the
// row count and at least 1, and that no row carries yet.
int next_identifier(std::span<const HotkeyRow> rows);

enum class ColumnAlign { left, centre };
struct ColumnSpec {
  std::string_view caption;
  int width;
  ColumnAlign align;
};
inline constexpr int kColumnCount = 7;
inline constexpr std::array<ColumnSpec, kColumnCount> kColumns{{
    {"Flags", 160, ColumnAlign::left},
    {"Key", 70, ColumnAlign::left},
    {"Execute", 250, ColumnAlign::left},
    {"ID", 38, ColumnAlign::centre},
    {"Alt", 0, ColumnAlign::centre},
    {"Ctrl", 0, ColumnAlign::centre},
    {"Shift", 0, ColumnAlign::centre},
}};

// What the Key column shows: the key's name, or "Code N" for a code the key
// table does not know.
std::string key_text(const HotkeyRow& row);

// The whole shortcut as the user reads it: "Alt+Ctrl+E".
inline std::string shortcut_text(const HotkeyRow& row) {
  return modifier_text(row) + key_text(row);
}

// The texts of the seven columns, left to right.
std::array<std::string, kColumnCount> column_texts(const HotkeyRow& row);

}  // namespace vantrel::hotkeys
