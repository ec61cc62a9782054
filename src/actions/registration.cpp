#include "actions/registration.h"

#include "hotkeys/key_table.h"

namespace vantrel::actions {
namespace {

using hotkeys::HotkeyRow;

bool register_row(const HotkeyRow& row, HotkeyRegistrar& registrar) {
  const auto code = hotkeys::key_code_for_name(row.key_name);
  return code && registrar.register_hotkey(row.id, hotkeys::modifier_mask(row), *code);
}

bool same_keys(const HotkeyRow& a, const HotkeyRow& b) {
  return a.key_name == b.key_name && hotkeys::modifier_text(a) == hotkeys::modifier_text(b);
}

}  // namespace

std::vector<std::size_t> register_enabled_hotkeys(std::vector<HotkeyRow>& rows, HotkeyRegistrar& registrar) {
  std::vector<std::size_t> refused;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    HotkeyRow& row = rows[i];
    if (!row.checked) continue;
    // A row without a known key was never the system's to refuse. One whose
    // file holds a code this program does not know (a hand edit, a newer
    // version) keeps the user's box, so the file keeps it too.
    if (!hotkeys::key_code_for_name(row.key_name)) {
      if (!row.unknown_key_code) row.checked = false;
    } else if (!register_row(row, registrar)) {
      row.checked = false;
      refused.push_back(i);
    }
  }
  return refused;
}

std::string refused_hotkeys_message(const std::vector<HotkeyRow>& rows,
                                    const std::vector<std::size_t>& refused) {
  std::string message;
  for (const std::size_t index : refused) {
    if (index >= rows.size()) continue;
    const HotkeyRow& row = rows[index];
    std::string holder = "another program";
    for (std::size_t i = 0; i < index; ++i) {
      if (rows[i].checked && same_keys(rows[i], row)) {
        holder = "hotkey ID " + std::to_string(rows[i].id);
        break;
      }
    }
    if (!message.empty()) message += '\n';
    message += hotkeys::shortcut_text(row) + " (" + row.action + ") is used by " + holder;
  }
  return message;
}

ReregisterResult reregister_hotkey(std::vector<HotkeyRow>& rows, std::size_t selected,
                                   HotkeyRegistrar& registrar) {
  HotkeyRow& row = rows[selected];
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i == selected) continue;
    const HotkeyRow& other = rows[i];
    // The modifier texts name all four modifiers, the Windows key too.
    if (other.checked && same_keys(other, row)) {
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
