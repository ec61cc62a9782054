#pragma once

#include <windows.h>

namespace vantrel::win32 {

// Registers a window class whose windows are served by `procedure`; a class
// already registered stays as it is.
inline void register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                                  HBRUSH background = nullptr) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = background;
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

// The object a window procedure serves: the last argument of CreateWindowEx,
// kept with the window from its first message on.
template <typename Owner>
Owner* window_owner(HWND window, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return owner;
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace vantrel::win32
