#include "editor/hotkey_editor.h"

#include <exception>
#include <stdexcept>

#include "base/text.h"
#include "hotkeys/key_table.h"

namespace vantrel::app {
namespace {

using hotkeys::HotkeyRow;

// The key list finds a name by whole-string comparison ignoring case.
std::optional<std::size_t> key_position(std::string_view name) {
  const auto keys = hotkeys::key_table();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (base::equals_ignoring_case(keys[i].name, name)) return i;
  }
  return std::nullopt;
}

// Reading a key outside the table is a fault of the caller, reported the
// way any other failure of Apply is.
std::string_view key_name_at(std::size_t position) {
  const auto keys = hotkeys::key_table();
  if (position >= keys.size())
    throw std::out_of_range("List index out of bounds (" + std::to_string(position) + ")");
  return keys[position].name;
}

std::optional<std::size_t> row_position(const std::vector<HotkeyRow>& rows, int selected) {
  if (selected < 0 || static_cast<std::size_t>(selected) >= rows.size()) return std::nullopt;
  return static_cast<std::size_t>(selected);
}

}  // namespace

std::optional<int> HotkeyEditor::key_code() const {
  const auto keys = hotkeys::key_table();
  if (!fields_.key || *fields_.key >= keys.size()) return std::nullopt;
  return keys[*fields_.key].code;
}

void HotkeyEditor::fill(const std::vector<HotkeyRow>& rows, int selected) {
  picker_open_ = false;
  const auto position = row_position(rows, selected);
  if (!position) {
    clear();
    return;
  }
  const HotkeyRow& row = rows[*position];
  panel_enabled_ = true;
  fields_.enabled = row.checked;
  fields_.alt = row.alt;
  fields_.control = row.ctrl;
  fields_.shift = row.shift;
  fields_.win = row.win;
  // A key the table does not know (a code from a hand-edited file) leaves
  // the key list without a selection.
  fields_.key = key_position(row.key_name);
  fields_.action = row.action;
  fields_.arguments = row.arguments;
  fields_.start_in = row.start_in;
  // An index the picker has no item for selects nothing and shows blank.
  fields_.icon =
      row.image >= 0 && row.image < hotkeys::kIconCount ? std::optional<int>(row.image) : std::nullopt;
  apply_enabled_ = false;
}

void HotkeyEditor::clear() {
  panel_enabled_ = false;
  fields_ = PanelFields{};
  fields_.key = 0;
  apply_enabled_ = false;
  picker_open_ = false;
}

void HotkeyEditor::set_enabled(bool on) {
  fields_.enabled = on;
  edited();
}
void HotkeyEditor::set_alt(bool on) {
  fields_.alt = on;
  edited();
}
void HotkeyEditor::set_control(bool on) {
  fields_.control = on;
  edited();
}
void HotkeyEditor::set_shift(bool on) {
  fields_.shift = on;
  edited();
}
void HotkeyEditor::set_win(bool on) {
  fields_.win = on;
  edited();
}
void HotkeyEditor::choose_key(std::optional<std::size_t> position) {
  fields_.key = position;
  edited();
}
void HotkeyEditor::set_action(std::string text) {
  fields_.action = std::move(text);
  edited();
}

void HotkeyEditor::set_arguments(std::string text) {
  fields_.arguments = std::move(text);
  edited();
}
void HotkeyEditor::set_start_in(std::string text) {
  fields_.start_in = std::move(text);
  edited();
}

void HotkeyEditor::choose_icon(std::optional<int> item) {
  if (!item) return;
  fields_.icon = *item;
  edited();
  picker_open_ = false;
}

ApplyResult HotkeyEditor::apply(std::vector<HotkeyRow>& rows, int selected,
                                actions::HotkeyRegistrar& registrar) {
  const auto position = row_position(rows, selected);
  if (!position) return {ApplyOutcome::nothing_selected, std::nullopt};
  if (!fields_.key || fields_.action.empty())
    return {ApplyOutcome::incomplete, std::string(kIncompleteMessage)};
  try {
    HotkeyRow& row = rows[*position];
    row.checked = fields_.enabled;
    if (fields_.icon) row.image = *fields_.icon;
    row.key_name = std::string(key_name_at(*fields_.key));
    // The key chosen here replaces a code the table did not know.
    row.unknown_key_code.reset();
    row.alt = fields_.alt;
    row.ctrl = fields_.control;
    row.shift = fields_.shift;
    row.win = fields_.win;
    row.action = fields_.action;
    row.arguments = fields_.arguments;
    row.start_in = fields_.start_in;
    const actions::ReregisterResult result = actions::apply_enabled_state(rows, *position, registrar);
    if (!result.may_continue) {
      fields_.enabled = false;
      return {ApplyOutcome::conflict, result.message};
    }
    apply_enabled_ = false;
    if (result.message) return {ApplyOutcome::registration_failed, result.message};
    return {ApplyOutcome::applied, std::nullopt};
  } catch (const std::exception& failure) {
    return {ApplyOutcome::failed, "Error: " + std::string(failure.what())};
  }
}

HotkeyRow new_hotkey(int id) {
  HotkeyRow row;
  row.alt = true;
  row.ctrl = true;
  row.shift = false;
  row.key_name = std::string(hotkeys::key_table().front().name);
  row.action = std::string(kNewHotkeyAction);
  row.id = id;
  row.checked = false;
  row.image = hotkeys::kDefaultImage;
  return row;
}

std::size_t add_new_hotkey(std::vector<HotkeyRow>& rows) {
  rows.push_back(new_hotkey(hotkeys::next_identifier(rows)));
  return rows.size() - 1;
}

bool delete_hotkey(std::vector<HotkeyRow>& rows, int selected, actions::HotkeyRegistrar& registrar) {
  const auto position = row_position(rows, selected);
  if (!position) return false;
  actions::delete_row(rows, *position, registrar);
  return true;
}

void reset_hotkeys(std::vector<HotkeyRow>& rows, actions::HotkeyRegistrar& registrar) {
  // Released first: should the exit that follows be called off, no
  // leftover registration may run a later row that reuses an identifier.
  actions::unregister_all_hotkeys(rows, registrar);
  rows.clear();
}

std::optional<actions::Launch> test_action(const std::vector<HotkeyRow>& rows, int selected) {
  const auto position = row_position(rows, selected);
  if (!position) return std::nullopt;
  return actions::launch_of(rows[*position]);
}

std::optional<std::size_t> check_box_row(int hit_item, bool on_state_image, std::size_t row_count) {
  if (!on_state_image || hit_item < 0 || static_cast<std::size_t>(hit_item) >= row_count) return std::nullopt;
  return static_cast<std::size_t>(hit_item);
}

ApplyResult click_check_box(HotkeyEditor& editor, std::vector<HotkeyRow>& rows, std::size_t row,
                            actions::HotkeyRegistrar& registrar) {
  if (row >= rows.size()) return {ApplyOutcome::nothing_selected, std::nullopt};
  const int selected = static_cast<int>(row);
  editor.fill(rows, selected);
  editor.set_enabled(!rows[row].checked);
  return editor.apply(rows, selected, registrar);
}

}  // namespace vantrel::app
