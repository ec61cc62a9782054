#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "win32/handles.h"

namespace vantrel::win32 {

// The DPI the program's windows are laid out at when no window says
// otherwise: the system's (GetDpiForSystem), else the screen's LOGPIXELSX.
int system_dpi();

// The DPI a window is drawn at: its monitor's for a per-monitor aware
// program (GetDpiForWindow, Windows 10 1607 on), else the system's. The
// newer functions are looked up at run time: older systems and Wine may
// lack them.
int window_dpi(HWND window);

// A system metric (SM_CXSMICON, ...) for a screen of `dpi`
// (GetSystemMetricsForDpi), else the system's own value scaled from the
// system's DPI.
int system_metric(int index, int dpi);

// One of the system's fonts (SPI_GETICONTITLELOGFONT) made for a screen
// of `dpi` (SystemParametersInfoForDpi), else the system's own scaled from
// the system's DPI.
UniqueGdi<HFONT> system_font_for_dpi(UINT which, int dpi);

// WM_DPICHANGED's first step for a window sized from its design: the
// window goes to the top-left the system suggests (which keeps it where the
// system moved it) and keeps its size for the layout to set. Returns the
// new DPI.
int take_suggested_place(HWND window, WPARAM wparam, LPARAM lparam);

// A copy of a font at `dpi`, its height scaled from the 96-DPI design.
UniqueGdi<HFONT> scaled_font(HFONT designed, int dpi);

// The controls of one top-level window, each at its designed 96-DPI place
// and with its designed font, laid out again at any DPI. Whatever a window
// lays out through its layout tables is created at 96-DPI numbers as
// before and then captured here, so a control added to a table scales
// with no code of its own. At 96 DPI nothing is touched.
class DpiLayout {
 public:
  // Records every child of `root`, and the children of the windows of
  // ours among them (a panel of controls), at their current places. The
  // system's own controls keep their parts (a combo box's list, a list
  // view's header) to themselves.
  void capture(HWND root);
  // Moves every recorded control to its place at `dpi`, with its font
  // scaled; the fonts made for the previous DPI go.
  void apply(int dpi);
  // Puts a control at a designed place, scaled to the current DPI, and
  // keeps that place for the next apply.
  void place(HWND control, RECT designed, HWND insert_after = nullptr);

  int dpi() const { return dpi_; }
  // A designed font as it shows at the current DPI: the font itself at 96
  // DPI, else its scaled copy, the one the controls given that font show
  // (made here when none has it). Valid until the next apply.
  HFONT shown_font(HFONT designed);
  int scale(int length) const;
  RECT scale(RECT designed) const;

 private:
  struct Control {
    HWND handle = nullptr;
    RECT designed{};
    HFONT font = nullptr;
    bool combo_box = false;
  };
  Control* find(HWND control);
  void move(const Control& control) const;

  std::vector<Control> controls_;
  std::map<HFONT, UniqueGdi<HFONT>> fonts_;
  int dpi_ = 96;
};

}  // namespace vantrel::win32
