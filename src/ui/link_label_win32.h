#pragma once

#include <windows.h>

#include <string>

#include "base/colour.h"
#include "ui/link_label.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vantrel::ui {

// TLinkLabel: a line of underlined blue text on its window, with the hand
// pointer, as wide as its caption. A press of the left button opens its
// address through the shell (owned by the label's window) and goes no
// further: the window beneath sees neither a press nor a click.
class TLinkLabel : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"TLinkLabel";

  // The font is the window's; the label draws an underlined copy of it.
  TLinkLabel(HWND parent, int id, POINT at, HFONT font);

  void set_caption(const std::string& caption);
  void set_hyper_link(const std::string& hyper_link);
  void set_link_type(tLinkType type);
  // The colour around the text: the window's own.
  void set_background(base::ColourValue colour);
  const LinkLabelText& text() const { return text_; }

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Sizes the label to its caption and repaints it.
  void fit();

  HFONT shown_font() const { return scaled_font_ ? scaled_font_.get() : font_.get(); }

  LinkLabelText text_;
  // The designed font (what WM_GETFONT answers), and the copy a window
  // laid out at another DPI gave it through WM_SETFONT.
  win32::UniqueGdi<HFONT> font_;
  win32::UniqueGdi<HFONT> scaled_font_;
  base::ColourValue background_ = 0xFF000000 | COLOR_BTNFACE;
};

}  // namespace vantrel::ui
