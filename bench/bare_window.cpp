// The smallest programs that do what Vantrel does for the user, to compare
// against in the same run:
//   bare_window              one window, twenty hotkeys registered, the
//                            window shown (start-up).
//   bare_window --launch P   Ctrl+Alt+J starts P through the shell (a
//                            hotkey's launch).
//   bare_window --bar        Ctrl+Alt+H paints a bar in a topmost window
//                            and names the press in its text (a built-in
//                            volume key's bar).
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>

namespace {

enum class Mode { start_up, launch, bar };

Mode mode = Mode::start_up;
std::wstring launch_path;
HWND bar_window = nullptr;
int presses = 0;

void paint_bar() {
  ++presses;
  SetWindowPos(bar_window, HWND_TOPMOST, 100, 652, 824, 20, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  HDC dc = GetDC(bar_window);
  RECT all{0, 0, 824, 20};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HBRUSH fill = CreateSolidBrush(RGB(0, 255, 0));
  RECT done{1, 1, 1 + (presses * 37) % 822, 19};
  FillRect(dc, &done, fill);
  DeleteObject(fill);
  ReleaseDC(bar_window, dc);
  SetWindowTextW(bar_window, (L"Bar " + std::to_wstring(presses)).c_str());
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_HOTKEY) {
    if (mode == Mode::launch)
      ShellExecuteW(nullptr, L"open", launch_path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    else if (mode == Mode::bar)
      paint_bar();
    return 0;
  }
  if (message == WM_CLOSE) {
    for (int id = 1; id <= 20; ++id) UnregisterHotKey(window, id);
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (args && count >= 3 && std::wstring(args[1]) == L"--launch") {
    mode = Mode::launch;
    launch_path = args[2];
  } else if (args && count >= 2 && std::wstring(args[1]) == L"--bar") {
    mode = Mode::bar;
  }
  LocalFree(args);
  // As in the program: the shell's launches want COM on the thread.
  if (mode == Mode::launch) CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  WNDCLASSW window_class{};
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.lpszClassName = L"BareWindow";
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, L"BareWindow", L"Bare", WS_POPUP, 100, 100, 542, 366, nullptr, nullptr,
                                instance, nullptr);
  if (mode == Mode::start_up) {
    for (int id = 1; id <= 20; ++id) RegisterHotKey(window, id, MOD_ALT | MOD_CONTROL | MOD_SHIFT, 'A' + id);
  } else {
    RegisterHotKey(window, 1, MOD_ALT | MOD_CONTROL, mode == Mode::launch ? 'J' : 'H');
  }
  if (mode == Mode::bar) {
    window_class.lpszClassName = L"BareBar";
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RegisterClassW(&window_class);
    bar_window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"BareBar", L"",
                                 WS_POPUP, 100, 652, 824, 20, nullptr, nullptr, instance, nullptr);
  }
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
