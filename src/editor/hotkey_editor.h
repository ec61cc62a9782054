#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "actions/dispatch.h"
#include "actions/registration.h"
#include "hotkeys/hotkey_record.h"

namespace vantrel::app {

// What the properties panel shows, one field per control. The code list
// has no field: it always stands on the key list's entry.
struct PanelFields {
  bool enabled = false;            // EnabledCheckBox
  bool alt = false;                // AltCheckBox
  bool control = false;            // ControlCheckBox
  bool shift = false;              // ShiftCheckBox
  std::optional<std::size_t> key;  // CharComboBox: a position in the key table
  std::string action;              // EditExecute
  // The icon picker's selected item, which the icon button also shows;
  // none shows the blank picture.
  std::optional<int> icon;
  bool win = false;            // WinCheckBox: the Windows key
  std::string arguments = {};  // EditArguments
  std::string start_in = {};   // EditStartIn: the folder to start in

  bool operator==(const PanelFields&) const = default;
};

enum class ApplyOutcome {
  nothing_selected,     // no row: nothing happens
  incomplete,           // no key or no action: the row is unchanged
  conflict,             // another enabled row holds the keys: the row ends disabled
  registration_failed,  // the system refused: the row stays enabled
  failed,               // anything else went wrong part-way
  applied,
};

struct ApplyResult {
  ApplyOutcome outcome = ApplyOutcome::nothing_selected;
  std::optional<std::string> message;  // for an OK box
};

inline constexpr std::string_view kIncompleteMessage = "Incomplete!";
inline constexpr std::string_view kNewHotkeyAction = "Nothing";

inline constexpr std::string_view kDeleteQuestion = "Delete the selected hotkey?";
inline constexpr std::string_view kDeleteCaption = "Delete ?";
inline constexpr std::string_view kResetQuestion = "Reset to default hotkeys?";
inline constexpr std::string_view kResetCaption = "Defaults ?";
inline constexpr std::string_view kRestartWarning =
    "Restart the application to load the default hotkeys!\n"
    "                    The application will exit now!";
inline constexpr std::string_view kRestartCaption = "Restart";

// The properties panel's rules (GroupBoxProperties), free of any window:
// the fields it shows, whether it is enabled, whether changes are pending
// (the Apply button), whether the icon picker is open, and Apply itself.
// The row positions it takes are the list's item index: -1 for none, and
// any value that names no row is treated like none.
class HotkeyEditor {
 public:
  const PanelFields& fields() const { return fields_; }
  bool panel_enabled() const { return panel_enabled_; }
  // The Apply button: enabled from the first edit until the next fill,
  // clear or completed Apply.
  bool apply_enabled() const { return apply_enabled_; }
  bool picker_open() const { return picker_open_; }
  // What the code list shows: the chosen key's code.
  std::optional<int> key_code() const;

  // FillPropertiesPanel: the row at `selected` into the panel, or a
  // cleared panel when there is no such row.
  void fill(const std::vector<hotkeys::HotkeyRow>& rows, int selected);
  // ClearPropertiesPanel: every field back to its start, panel disabled.
  void clear();

  // The change handlers: each is an edit, so each enables Apply.
  void set_enabled(bool on);
  void set_alt(bool on);
  void set_control(bool on);
  void set_shift(bool on);
  void set_win(bool on);
  void choose_key(std::optional<std::size_t> position);
  void set_action(std::string text);
  void set_arguments(std::string text);
  void set_start_in(std::string text);

  // ListView2Click: the item the picker has selected after the click, if
  // any, becomes the icon and the picker closes; a click that selects
  // nothing changes nothing.
  void choose_icon(std::optional<int> item);
  void toggle_picker() { picker_open_ = !picker_open_; }
  void close_picker() { picker_open_ = false; }

  // ButtonApplyClick: checks the panel, writes it into the row (enabled
  // state, icon, key, flags, action, arguments and folder, in that order)
  // and registers the
  // row anew when it is enabled (releases it when not). A failure part-way
  // leaves what was written and skips the rest, Apply staying enabled.
  ApplyResult apply(std::vector<hotkeys::HotkeyRow>& rows, int selected, actions::HotkeyRegistrar& registrar);

 private:
  void edited() { apply_enabled_ = true; }

  PanelFields fields_;
  bool panel_enabled_ = false;
  bool apply_enabled_ = false;
  bool picker_open_ = false;
};

// The row a new hotkey starts as: Alt+Ctrl+ "0", action "Nothing", the
// default icon, not enabled.
hotkeys::HotkeyRow new_hotkey(int id);

// New: appends a new row with the next free identifier (it is not
// registered); returns its position.
std::size_t add_new_hotkey(std::vector<hotkeys::HotkeyRow>& rows);

// Delete, once confirmed: removes the row at `selected` and releases its
// registration; no other row changes, identifiers included. False when
// there is no such row.
bool delete_hotkey(std::vector<hotkeys::HotkeyRow>& rows, int selected, actions::HotkeyRegistrar& registrar);

// Reset all to default, once confirmed: every registration released and
// the list emptied, so the file saved at exit holds no hotkeys and the next
// start gets the default list.
void reset_hotkeys(std::vector<hotkeys::HotkeyRow>& rows, actions::HotkeyRegistrar& registrar);

// What Test runs: the selected row's stored action with its arguments and
// folder, never the text typed in the panel and not applied yet.
std::optional<actions::Launch> test_action(const std::vector<hotkeys::HotkeyRow>& rows, int selected);

// The row whose check box a press in the list hit, from the list control's
// own hit test (the item it names and whether the press is on that item's
// state image): none for a press beside the boxes, below the last row or
// in an empty list.
std::optional<std::size_t> check_box_row(int hit_item, bool on_state_image, std::size_t row_count);

// A click on a row's check box: the panel is filled from the row, its
// Enabled box turned over and applied, as if the user had done so in the
// panel. The row ends as Apply leaves it: unchanged when incomplete,
// disabled after a conflict.
ApplyResult click_check_box(HotkeyEditor& editor, std::vector<hotkeys::HotkeyRow>& rows, std::size_t row,
                            actions::HotkeyRegistrar& registrar);

}  // namespace vantrel::app
