#include "actions/registration.h"

#include "hotkeys/key_table.h"

namespace vantrel::actions {
namespace {

using hotkeys::HotkeyRow;

bool register_row(const HotkeyRow& row, HotkeyRegistrar& registrar) {
  const auto code = hotkeys::key_code_for_name(row.key_name);
  return code && registrar.register_hotkey(row.id, hotkeys::modifier_mask(row), *code);
}

}  // namespace

void register_enabled_hotkeys(std::vector<HotkeyRow>& rows, HotkeyRegistrar& registrar) {
  for (HotkeyRow& row : rows) {
    if (!row.checked || !register_row(row, registrar)) row.checked = false;
  }
}

ReregisterResult reregister_hotkey(std::vector<HotkeyRow>& rows, std::size_t selected,
                                   HotkeyRegistrar& registrar) {
  HotkeyRow& row = rows[selected];
  const std::string modifiers = hotkeys::modifier_text(row);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i == selected) continue;
    const HotkeyRow& other = rows[i];
    if (other.checked && other.key_name == row.key_name && hotkeys::modifier_text(other) == modifiers) {
      row.checked = false;
      return {false, "HotKey exists on ID " + std::to_string(i + 1) + " ! Choose another one!"};
    }
  }
  registrar.unregister_hotkey(row.id);
  if (!register_row(row, registrar)) return {true, kRegistrationFailedMessage};
  return {};
}

void unregister_all_hotkeys(const std::vector<HotkeyRow>& rows, HotkeyRegistrar& registrar) {
  for (const HotkeyRow& row : rows) registrar.unregister_hotkey(row.id);
}

ReregisterResult apply_enabled_state(std::vector<HotkeyRow>& rows, std::size_t index,
                                     HotkeyRegistrar& registrar) {
  if (rows[index].checked) return reregister_hotkey(rows, index, registrar);
  registrar.unregister_hotkey(rows[index].id);
  return {};
}

void delete_row(std::vector<HotkeyRow>& rows, std::size_t index, HotkeyRegistrar& registrar) {
  registrar.unregister_hotkey(rows[index].id);
  rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace vantrel::actions
