#pragma once

#include <windows.h>

namespace vantrel::app {

// Rounds a borderless window's top corners with a 5-pixel ellipse and keeps
// the bottom ones square. Taken from the window's size at the call.
void apply_rounded_outline(HWND window);

}  // namespace vantrel::app
