#pragma once

#include <windows.h>

#include "base/colour.h"

namespace vantrel::win32 {

// A colour as the system draws it: a system colour resolved to its current
// RGB value, any other taken as it is.
inline COLORREF colour_ref(base::ColourValue value) {
  return base::is_system_colour(value) ? GetSysColor(static_cast<int>(value & 0xFF))
                                       : static_cast<COLORREF>(value);
}

}  // namespace vantrel::win32
