#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "hotkeys/hotkey_record.h"

namespace vantrel::actions {

// The system's table of global hotkeys, for the main window.
class HotkeyRegistrar {
 public:
  virtual ~HotkeyRegistrar() = default;
  // False when the system refuses (the combination is taken, say).
  virtual bool register_hotkey(int id, unsigned modifiers, int virtual_key) = 0;
  // Releasing an identifier that is not registered does nothing.
  virtual void unregister_hotkey(int id) = 0;
};

inline constexpr const char* kRegistrationFailedMessage =
    "The hotkey cannot be registered!\nMaybe keystrokes specified for the hotkey have already been "
    "registered by "
    "another hotkey or other application.";

// Start-up: registers every enabled row, first to last; a row that is not
// enabled, has no known key, or is refused ends disabled. Returns the
// positions of the rows the system refused, for telling the user once.
std::vector<std::size_t> register_enabled_hotkeys(std::vector<hotkeys::HotkeyRow>& rows,
                                                  HotkeyRegistrar& registrar);

// One line per refused row: "Alt+Ctrl+E (C:\) is used by another program",
// or, when an earlier row of the list holds the same keys, "... is used by
// hotkey ID 3". Empty when nothing was refused.
std::string refused_hotkeys_message(const std::vector<hotkeys::HotkeyRow>& rows,
                                    const std::vector<std::size_t>& refused);

struct ReregisterResult {
  bool may_continue = true;            // false: a conflict stopped the edit
  std::optional<std::string> message;  // to show in an OK box
};

// Registers the enabled row at `selected` anew after an edit: another
// enabled row with the same key and modifiers (the first, in list order)
// disables it and stops; otherwise the old registration is released and the
// new one made. A refusal leaves the row enabled and says so.
ReregisterResult reregister_hotkey(std::vector<hotkeys::HotkeyRow>& rows, std::size_t selected,
                                   HotkeyRegistrar& registrar);

// Exit: releases every row's identifier, enabled or not.
void unregister_all_hotkeys(const std::vector<hotkeys::HotkeyRow>& rows, HotkeyRegistrar& registrar);

// The row's enabled state was just changed in place (its check box): an
// enabled row is registered as after an edit, a disabled one is released at
// once so that its shortcut stops acting.
ReregisterResult apply_enabled_state(std::vector<hotkeys::HotkeyRow>& rows, std::size_t index,
                                     HotkeyRegistrar& registrar);

// Removes a row and releases its registration; no other row changes.
void delete_row(std::vector<hotkeys::HotkeyRow>& rows, std::size_t index, HotkeyRegistrar& registrar);

}  // namespace vantrel::actions
