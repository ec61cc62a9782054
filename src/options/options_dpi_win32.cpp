// The Options window at its screen's DPI: laid out from the 96-DPI table
// of its controls, and again when it moves to a screen of another DPI.
#include "base/dpi.h"
#include "frame/window_outline_win32.h"
#include "options/options_window_win32.h"

namespace vantrel::app {

// The OK button's mark: a green tick on the button's own face colour, which
// the button takes as transparent from its bottom-left pixel; 14 pixels
// square at 96 DPI.
win32::UniqueGdi<HBITMAP> tick_glyph(int dpi) {
  const auto scale = [dpi](int length) { return base::scale_length(length, dpi); };
  const int size = scale(14);
  const win32::WindowDc screen(nullptr);
  win32::UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), size, size));
  const win32::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
  const win32::SelectedObject selected(dc.get(), bitmap.get());
  const RECT all{0, 0, size, size};
  const win32::UniqueGdi<HBRUSH> face(CreateSolidBrush(RGB(255, 0, 255)));
  FillRect(dc.get(), &all, face.get());
  const win32::UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, scale(3), RGB(0, 128, 0)));
  const win32::SelectedObject selected_pen(dc.get(), pen.get());
  const POINT tick[] = {{scale(2), scale(7)}, {scale(5), scale(10)}, {scale(11), scale(3)}};
  Polyline(dc.get(), tick, 3);
  return bitmap;
}

void TFormOptions::lay_out(int dpi) {
  if (dpi > 0 && dpi != dpi_layout_.dpi()) {
    dpi_layout_.apply(dpi);
    ok_->set_glyph(tick_glyph(dpi_layout_.dpi()).get());
  }
  // Made at the system's DPI, the window may show on a screen of another.
  fit_designed_size(handle(), kClientWidth, kClientHeight, dpi_layout_.dpi());
}

void TFormOptions::dpi_changed(int dpi) {
  lay_out(dpi);
  // The font buttons' fonts are made for the screen they show on.
  button_fonts_.clear();
  show_model();
}

}  // namespace vantrel::app
