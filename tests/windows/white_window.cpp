// A plain white window over the whole screen, as another program's: lets
// screenshots show exactly what is drawn over it. Each left click on it is
// appended to "<own path>.log" as "x y".
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string log_path() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length) + ".log";
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      if (FILE* file = std::fopen(log_path().c_str(), "a")) {
        std::fprintf(file, "%d %d\n", static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
        std::fclose(file);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = "WhiteWindow";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(0, "WhiteWindow", "White", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
