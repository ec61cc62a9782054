#pragma once

namespace vantrel::base {

// Every window is designed in pixels of a 96-DPI screen; on any other
// screen each length grows with the screen's text.
inline constexpr int kDesignDpi = 96;

// A designed length on a screen of `dpi` dots per inch, rounded as
// MulDiv rounds (half away from zero), as Windows scales its own metrics.
// A DPI of 0 or less (unknown) leaves the length as designed.
int scale_length(int length, int dpi);

// A font height as LOGFONT holds it: negative for the character height,
// positive for the cell height; either keeps its sign. 0 (the default
// size) stays 0.
int scale_font_height(int height, int dpi);

// A rectangle with left, top, right and bottom: each edge is scaled on its
// own, so two rectangles that touch at 96 DPI still touch, and a control's
// right edge is where the design puts it, not its left edge plus a rounded
// width.
template <typename R>
constexpr R scale_rect(R rect, int dpi) {
  rect.left = scale_length(rect.left, dpi);
  rect.top = scale_length(rect.top, dpi);
  rect.right = scale_length(rect.right, dpi);
  rect.bottom = scale_length(rect.bottom, dpi);
  return rect;
}

}  // namespace vantrel::base
