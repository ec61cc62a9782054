#pragma once

#include <windows.h>

#include <memory>

#include "frame/colour_scheme.h"
#include "frame/window_frame_win32.h"
#include "ui/gradient_button_win32.h"
#include "win32/dpi.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vantrel::app {

// TFormLogo: the splash window. Borderless, always on top and centred, with
// a "Loading ..." title strip and the program's name over its own shadow.
// Made hidden with the program; shown by the start-up tick, hidden by the
// main window's TimerLogo or at once by a click anywhere on it. It never
// takes the keyboard from the window the user is in.
class TFormLogo : public win32::Window, public SchemedWindow {
 public:
  static constexpr wchar_t kClassName[] = L"TFormLogo";

  explicit TFormLogo(HINSTANCE instance);
  ~TFormLogo() override;
  TFormLogo(const TFormLogo&) = delete;
  TFormLogo& operator=(const TFormLogo&) = delete;

  void show();
  void hide();

  void apply_colour_scheme(const ColourScheme& scheme) override;
  void apply_quality(ui::TGradientQuality quality) override;

 private:
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) override;
  void paint(HDC dc);
  // The window, its title strip and captions at a screen's DPI.
  void lay_out(int dpi);

  win32::UniqueGdi<HFONT> bar_font_;
  win32::UniqueGdi<HFONT> caption_font_;
  ColourScheme scheme_;
  win32::UniqueGdi<HBRUSH> background_;
  std::unique_ptr<ui::TGradientButton> bar_;  // ButtonBar
  std::unique_ptr<WindowFrame> frame_;        // LabelLeft, LabelRight, LabelBottom
  win32::DpiLayout dpi_layout_;
  bool pressed_ = false;
};

}  // namespace vantrel::app
