#include "app/single_instance_win32.h"

namespace vantrel::app {

std::optional<win32::UniqueHandle> claim_single_instance() {
  win32::UniqueHandle mutex(CreateMutexA(nullptr, TRUE, kInstanceMutexName));
  if (GetLastError() != ERROR_ALREADY_EXISTS) return mutex;
  // This runs before our own main window exists, so the search cannot find
  // this process's window.
  if (HWND first = FindWindowA(kMainWindowClass, kMainWindowTitle)) {
    ShowWindow(first, SW_RESTORE);
    SetForegroundWindow(first);
  }
  return std::nullopt;
}

}  // namespace vantrel::app
