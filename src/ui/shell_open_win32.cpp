#include "ui/shell_open_win32.h"

#include <shellapi.h>

#include "ui/link_label.h"
#include "win32/text.h"

namespace vantrel::ui {

bool open_through_shell(HWND shell_owner, HWND message_owner, const wchar_t* verb,
                        const std::string& target) {
  const HINSTANCE result =
      ShellExecuteW(shell_owner, verb, win32::widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  const auto code = static_cast<long long>(reinterpret_cast<INT_PTR>(result));
  if (code > 32) return true;
  MessageBoxW(message_owner, win32::widen(shell_refusal_message(target, code)).c_str(), L"Vantrel",
              MB_OK | MB_ICONWARNING);
  return false;
}

}  // namespace vantrel::ui
