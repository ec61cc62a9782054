// The smallest program that does what Vantrel's start-up does for the
// user: one window, twenty hotkeys registered, the window shown. Start-up
// times are compared against it.
#include <windows.h>

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    for (int id = 1; id <= 20; ++id) UnregisterHotKey(window, id);
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.lpszClassName = "BareWindow";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(0, "BareWindow", "Bare", WS_POPUP, 100, 100, 542, 366, nullptr, nullptr,
                                instance, nullptr);
  for (int id = 1; id <= 20; ++id) RegisterHotKey(window, id, MOD_ALT | MOD_CONTROL | MOD_SHIFT, 'A' + id);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
