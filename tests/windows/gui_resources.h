#pragma once

#include <windows.h>

namespace vantrel::testing {

// GDI objects the process holds. Wine's GetGuiResources is a stub that
// answers 0; there every slot of the process's GDI handle table is asked
// instead (Wine takes a handle's low word for its slot, whatever the high
// word).
inline long gdi_objects() {
  if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return reported;
  long count = 0;
  for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++count;
  }
  return count;
}

inline BOOL CALLBACK count_window(HWND, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  return TRUE;
}

// A top-level window and all its descendants (EnumChildWindows walks the
// whole tree below).
inline BOOL CALLBACK count_tree(HWND window, LPARAM counter) {
  count_window(window, counter);
  EnumChildWindows(window, count_window, counter);
  return TRUE;
}

// USER objects the process holds; under Wine (the same stub) the windows of
// this thread, children included, which is what our windows and controls
// add.
inline long user_objects() {
  if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return reported;
  long count = 0;
  EnumThreadWindows(GetCurrentThreadId(), count_tree, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace vantrel::testing
