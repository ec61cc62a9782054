#include "frame/window_outline_win32.h"

#include "base/dpi.h"
#include "win32/handles.h"

namespace vantrel::app {

void apply_rounded_outline(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  win32::UniqueGdi<HRGN> outline(CreateRectRgn(0, 50, width, height));
  const win32::UniqueGdi<HRGN> rounded(CreateRoundRectRgn(0, 0, width + 1, height + 2, 5, 5));
  CombineRgn(outline.get(), outline.get(), rounded.get(), RGN_OR);
  // The window owns the region once it is set.
  if (SetWindowRgn(window, outline.get(), TRUE)) outline.release();
}

void fit_designed_size(HWND window, int width, int height, int dpi) {
  const int scaled_width = base::scale_length(width, dpi);
  const int scaled_height = base::scale_length(height, dpi);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  if (bounds.right - bounds.left == scaled_width && bounds.bottom - bounds.top == scaled_height) return;
  SetWindowPos(window, nullptr, 0, 0, scaled_width, scaled_height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  apply_rounded_outline(window);
}

}  // namespace vantrel::app
