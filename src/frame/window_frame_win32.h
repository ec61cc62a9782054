#pragma once

#include <windows.h>

#include "base/colour.h"
#include "win32/dpi.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vantrel::app {

// One plain frame line: a filled strip the mouse passes through, so a press
// on it counts as a press on the window beneath.
class FrameLine : public win32::Window {
 public:
  FrameLine(HWND parent, RECT bounds, base::ColourValue colour);
  void set_colour(base::ColourValue colour);

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  win32::UniqueGdi<HBRUSH> brush_;
};

// The frame lines of a borderless window below its title strip: LabelLeft,
// LabelRight and LabelBottom, which stays on the bottom edge when the
// window's height changes.
class WindowFrame {
 public:
  WindowFrame(HWND window, int width, int height);

  // Puts the lines on the edges of a client area of that designed size;
  // with a layout, scaled to its DPI and kept for its next DPI.
  void fit(int width, int height, win32::DpiLayout* layout = nullptr);
  void set_colour(base::ColourValue colour);

 private:
  FrameLine label_left_;
  FrameLine label_right_;
  FrameLine label_bottom_;
};

}  // namespace vantrel::app
