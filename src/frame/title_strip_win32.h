#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "frame/colour_scheme.h"
#include "ui/gradient_button_win32.h"
#include "win32/handles.h"

namespace vantrel::app {

// A borderless window's title strip: the full-width gradient bar, which
// drags the window, with the main window's Minimize and "X" buttons on it.
class TitleStrip {
 public:
  TitleStrip(HWND window, int width, const std::wstring& caption);

  void apply(const ColourScheme& scheme, ui::TGradientQuality quality);

  std::function<void()> on_minimize;
  std::function<void()> on_hide;

 private:
  HWND window_;
  win32::UniqueGdi<HFONT> caption_font_;
  win32::UniqueGdi<HFONT> minimize_font_;
  win32::UniqueGdi<HFONT> exit_font_;
  std::unique_ptr<ui::TGradientButton> bar_;       // ButtonBar
  std::unique_ptr<ui::TGradientButton> minimize_;  // ButtonMinimize
  std::unique_ptr<ui::TGradientButton> exit_;      // ButtonExit
  POINT drag_anchor_{};
};

}  // namespace vantrel::app
