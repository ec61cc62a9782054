#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "hotkeys/hotkey_record.h"
#include "win32/handles.h"

namespace vantrel::hotkeys {

// The hotkey list control: shows the rows in seven columns with check
// boxes and the hotkey icons (32 pixels at 96 DPI), taken from the icon
// resources of `pictures` (null: the program's own). The rows themselves live with the caller.
// The object owns the control and its image lists: the control only
// borrows them (LVS_SHAREIMAGELISTS), so they are destroyed once, here,
// after the control. That includes the check boxes' state images, which the
// control makes itself but, sharing, leaves to us. A control that its
// parent destroyed first is forgotten on its WM_NCDESTROY.
class HotkeyListView {
 public:
  HotkeyListView(HWND parent, int control_id, RECT bounds, HINSTANCE pictures = nullptr);
  ~HotkeyListView();
  HotkeyListView(const HotkeyListView&) = delete;
  HotkeyListView& operator=(const HotkeyListView&) = delete;

  HWND handle() const { return list_; }
  // ImageListHotkeysLarge: the 52 icons, also the icon picker's.
  HIMAGELIST icons() const { return icons_.get(); }
  // The columns at their designed widths, scaled to the list's DPI.
  void set_columns();
  // Lays the columns out again for a screen of `dpi`, with the font and
  // the icons made for it (the same image list, so borrowers keep it).
  // Returns whether the icons changed size.
  bool set_dpi(int dpi);
  void show(const std::vector<HotkeyRow>& rows);
  // One row changed, or added at the end, or removed: the other rows, the
  // selection and the scroll position stay.
  void update_row(int index, const HotkeyRow& row);
  void add_row(const HotkeyRow& row);
  void remove_row(int index);
  // The check boxes are the one field the user changes in place.
  void read_checks(std::vector<HotkeyRow>& rows) const;

  // The list's item index: the selected row, or -1.
  int selected() const;
  // Makes the row the selected and focused one and scrolls it into view.
  void select(int index);

  // The control's own hit test: the item under a point of its client area
  // (-1 for none) and whether the point is on that item's check box.
  struct Hit {
    int item = -1;
    bool on_check_box = false;
  };
  Hit hit_test(POINT at) const;

  // A left press on an item's check box (or the space key on the focused
  // item): the control does not turn the box over itself; whoever handles
  // this decides the row's state, and the list then shows it. Returns
  // whether the press was taken.
  std::function<bool(Hit)> on_check_box;
  // Tab and Shift+Tab, for the window's own tab order.
  std::function<void(bool backwards)> on_tab;

 private:
  struct ImageListDeleter {
    void operator()(HIMAGELIST icons) const { ImageList_Destroy(icons); }
  };
  static LRESULT CALLBACK watch_control(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                        DWORD_PTR self);

  using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

  void set_row(int index, const HotkeyRow& row, bool insert);
  // The press or key is taken before the control sees it.
  bool take_check_box(Hit hit);

  HINSTANCE pictures_;
  // What the control and its icons are made for at first: the system's DPI
  // (a window on another monitor lays the list out again at once).
  int dpi_;
  UniqueImageList icons_;
  UniqueImageList check_boxes_;
  HWND list_ = nullptr;
  // The control's own font (the system's icon-title font) made for the
  // list's DPI; none at the system's DPI, where the control picks it itself.
  win32::UniqueGdi<HFONT> font_;
};

}  // namespace vantrel::hotkeys
