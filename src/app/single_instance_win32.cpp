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
    // The first copy shows itself through its own show routine, so the
    // window comes back exactly as from the tray icon. It may take the
    // foreground that the user gave this copy by starting it.
    DWORD first_process = 0;
    GetWindowThreadProcessId(first, &first_process);
    AllowSetForegroundWindow(first_process);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(first, RegisterWindowMessageW(kShowApplicationMessage), 0, 0, SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    SetForegroundWindow(first);
  }
  return std::nullopt;
}

}  // namespace vantrel::app
