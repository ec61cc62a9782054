#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "hotkeys/hotkey_record.h"

namespace vantrel::hotkeys {

// The hotkey list control: shows the rows in seven columns with check
// boxes and 32-pixel icons. The rows themselves live with the caller.
class HotkeyListView {
 public:
  HotkeyListView(HWND parent, int control_id, RECT bounds);
  ~HotkeyListView();
  HotkeyListView(const HotkeyListView&) = delete;
  HotkeyListView& operator=(const HotkeyListView&) = delete;

  HWND handle() const { return list_; }
  void set_columns();
  void show(const std::vector<HotkeyRow>& rows);
  // The check boxes are the one field the user changes in place.
  void read_checks(std::vector<HotkeyRow>& rows) const;

 private:
  HWND list_ = nullptr;
  HIMAGELIST icons_ = nullptr;
};

}  // namespace vantrel::hotkeys
