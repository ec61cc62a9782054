#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>

namespace vantrel::app {

// ListView2: the properties panel's icon picker, an icon view of the
// hotkey icons (one item per icon, empty captions) over the left part of
// the panel, hidden until opened. The icons are borrowed from the hotkey
// list, which outlives the picker.
class IconPicker {
 public:
  IconPicker(HWND parent, int control_id, RECT bounds, HIMAGELIST icons);
  ~IconPicker();
  IconPicker(const IconPicker&) = delete;
  IconPicker& operator=(const IconPicker&) = delete;

  HWND handle() const { return picker_; }
  // The start-up step: empties the picker, then one item per icon.
  void fill();
  // Shown above the controls it covers, or hidden.
  void set_open(bool open);
  bool is_open() const;
  void select(std::optional<int> item);
  std::optional<int> selected() const;
  void set_colours(COLORREF background, COLORREF text);
  // The borrowed icons were made again at another size.
  void icons_resized();

 private:
  static LRESULT CALLBACK watch_control(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                        DWORD_PTR self);

  HIMAGELIST icons_;
  HWND picker_ = nullptr;
};

// IconSpeedButton's face: flat, the caption with the row's icon to its
// right (nothing there for none: the blank picture), greyed when disabled.
void draw_icon_button(const DRAWITEMSTRUCT& item, HIMAGELIST icons, std::optional<int> icon, HFONT font,
                      COLORREF background);

}  // namespace vantrel::app
