#pragma once

#include <windows.h>

namespace vantrel::app {

// Rounds a borderless window's top corners with a 5-pixel ellipse and keeps
// the bottom ones square. Taken from the window's size at the call.
void apply_rounded_outline(HWND window);

// Gives a borderless window its designed 96-DPI size scaled to `dpi`,
// keeping its top-left, and the outline for that size; a window already
// that size is left as it is.
void fit_designed_size(HWND window, int width, int height, int dpi);

}  // namespace vantrel::app
