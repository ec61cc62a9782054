#include "hotkeys/hotkey_record.h"

#include <algorithm>

namespace vantrel::hotkeys {

std::string modifier_text(bool alt, bool ctrl, bool shift, bool win) {
  std::string text;
  const auto add = [&text](std::string_view name) {
    if (!text.empty()) text += '+';
    text += name;
  };
  if (win) add("Win");
  if (alt) add("Alt");
  if (ctrl) add("Ctrl");
  if (shift) add("Shift");
  if (!text.empty()) text += '+';
  return text;
}

unsigned modifier_mask(const HotkeyRow& row) {
  return (row.alt ? kModAlt : 0) | (row.ctrl ? kModControl : 0) | (row.shift ? kModShift : 0) |
         (row.win ? kModWin : 0);
}

int next_identifier(std::span<const HotkeyRow> rows) {
  const auto taken = [rows](int id) {
    return std::any_of(rows.begin(), rows.end(), [id](const HotkeyRow& row) { return row.id == id; });
  };
  int id = std::max(1, static_cast<int>(rows.size()));
  while (taken(id)) ++id;
  return id;
}

std::string key_text(const HotkeyRow& row) {
  if (row.key_name.empty() && row.unknown_key_code) return "Code " + std::to_string(*row.unknown_key_code);
  return row.key_name;
}

std::array<std::string, kColumnCount> column_texts(const HotkeyRow& row) {
  return {modifier_text(row),
          key_text(row),
          row.action,
          std::to_string(row.id),
          std::string(flag_text(row.alt)),
          std::string(flag_text(row.ctrl)),
          std::string(flag_text(row.shift))};
}

}  // namespace vantrel::hotkeys
