#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "hotkeys/hotkey_record.h"

namespace vantrel::hotkeys {

// The hotkey list control: shows the rows in seven columns with check
// boxes and 32-pixel icons. The rows themselves live with the caller.
// The object owns the control and its image lists: the control only
// borrows them (LVS_SHAREIMAGELISTS), so they are destroyed once, here,
// after the control. That includes the check boxes' state images, which the
// control makes itself but, sharing, leaves to us. A control that its
// parent destroyed first is forgotten on its WM_NCDESTROY.
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
  struct ImageListDeleter {
    void operator()(HIMAGELIST icons) const { ImageList_Destroy(icons); }
  };
  static LRESULT CALLBACK watch_control(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                        DWORD_PTR self);

  using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

  UniqueImageList icons_;
  UniqueImageList check_boxes_;
  HWND list_ = nullptr;
};

}  // namespace vantrel::hotkeys
