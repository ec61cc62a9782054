#include "app/single_instance_win32.h"

#include "win32/text.h"

namespace vantrel::app {

std::optional<win32::UniqueHandle> claim_single_instance() {
  win32::UniqueHandle mutex(CreateMutexW(nullptr, TRUE, win32::widen(kInstanceMutexName).c_str()));
  if (GetLastError() != ERROR_ALREADY_EXISTS) return mutex;
  // This runs before our own main window exists, so the search cannot find
  // this process's window.
  if (HWND first =
          FindWindowW(win32::widen(kMainWindowClass).c_str(), win32::widen(kMainWindowTitle).c_str())) {
    ShowWindow(first, SW_RESTORE);
    SetForegroundWindow(first);
  }
  return std::nullopt;
}

}  // namespace vantrel::app
