// child_places.exe [window class]
// Where the running program's window (TForm1, the main window, unless a
// class is named) and every window inside it lie, for the end-to-end DPI
// tests. The first line is the window's own place on the screen:
//   window <tab> left <tab> top <tab> right <tab> bottom
// then one line per window inside it, in the system's order, relative to
// the window's top-left:
//   class <tab> id <tab> parent's class <tab> visible (1/0) <tab> left
//   <tab> top <tab> right <tab> bottom
// This helper is DPI-aware, so it reads the places in real pixels whatever
// the screen's DPI. Exit code 1 when the window is not found.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Walk {
  HWND root;
  RECT origin;
};

BOOL CALLBACK print_child(HWND child, LPARAM data) {
  const auto& walk = *reinterpret_cast<const Walk*>(data);
  wchar_t name[64] = L"";
  GetClassNameW(child, name, 64);
  wchar_t parent[64] = L"";
  GetClassNameW(GetParent(child), parent, 64);
  RECT bounds{};
  GetWindowRect(child, &bounds);
  std::printf("%ls\t%d\t%ls\t%d\t%ld\t%ld\t%ld\t%ld\n", name, GetDlgCtrlID(child), parent,
              IsWindowVisible(child) ? 1 : 0, bounds.left - walk.origin.left, bounds.top - walk.origin.top,
              bounds.right - walk.origin.left, bounds.bottom - walk.origin.top);
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Real pixels: an unaware helper would read every place scaled back to
  // 96 DPI.
  SetProcessDPIAware();
  const HWND window = FindWindowW(argc > 1 ? argv[1] : L"TForm1", nullptr);
  if (!window) return 1;
  Walk walk{window, {}};
  GetWindowRect(window, &walk.origin);
  std::printf("window\t%ld\t%ld\t%ld\t%ld\n", walk.origin.left, walk.origin.top, walk.origin.right,
              walk.origin.bottom);
  EnumChildWindows(window, print_child, reinterpret_cast<LPARAM>(&walk));
  return 0;
}
