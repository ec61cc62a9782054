#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "frame/colour_scheme.h"
#include "frame/frame_layout.h"
#include "frame/window_frame_win32.h"
#include "ui/gradient_button_win32.h"
#include "ui/link_label_win32.h"
#include "win32/dpi.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vantrel::app {

// TFormAbout: the About window. Borderless, at its designed place, shown
// without blocking the other windows; OK and closing only hide it. The
// title strip and the window's surface drag it, whatever "Easy Window
// Move" says.
class TFormAbout : public win32::Window, public SchemedWindow {
 public:
  static constexpr wchar_t kClassName[] = L"TFormAbout";

  // The version is the build's own version number.
  TFormAbout(HINSTANCE instance, std::string version);
  ~TFormAbout() override;
  TFormAbout(const TFormAbout&) = delete;
  TFormAbout& operator=(const TFormAbout&) = delete;

  void show();
  void close();

  void apply_colour_scheme(const ColourScheme& scheme) override;
  void apply_quality(ui::TGradientQuality quality) override;

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void create_controls();
  void paint(HDC dc);
  // The window, its controls, texts and pictures at a screen's DPI.
  void lay_out(int dpi);
  void FormMouseDown(POINT at);
  void FormMouseMove(POINT at, bool left_down);

  std::string version_;
  win32::UniqueGdi<HFONT> font_;
  win32::UniqueGdi<HFONT> bar_font_;
  win32::UniqueGdi<HFONT> app_font_;
  ColourScheme scheme_;
  win32::UniqueGdi<HBRUSH> background_;
  win32::UniqueIcon picture_;                 // Image1
  std::unique_ptr<ui::TGradientButton> bar_;  // ButtonBar
  std::unique_ptr<ui::TGradientButton> ok_;   // ButtonOK
  std::unique_ptr<ui::TLinkLabel> mail_;      // LinkLabel1
  std::unique_ptr<ui::TLinkLabel> web_;       // LinkLabel2
  std::unique_ptr<WindowFrame> frame_;        // LabelLeft, LabelRight, LabelBottom
  WindowDrag drag_;
  win32::DpiLayout dpi_layout_;
};

}  // namespace vantrel::app
